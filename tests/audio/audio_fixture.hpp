// A buffer-rendered system with a folder for the tone files each test writes.
#pragma once

#include "test_sounds.hpp"

#include <gtest/gtest.h>

namespace audio_test {

inline constexpr int kRate = 44100;

class AudioFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        system = audio::System::create(audio::Output::Buffer);
        ASSERT_EQ(system->init(32), audio::Result::Ok);
    }

    // Writes a sine tone file and loads it on `on` (the fixture's system by default).
    audio::SoundHandle tone(const std::string& name, double frequency, double seconds,
                            float amplitude, unsigned mode = audio::kModeSoftware,
                            long rate = kRate, int channels = 2, audio::System* on = nullptr) {
        const auto path = folder.file(name);
        EXPECT_TRUE(writeOgg(path, sineTone(frequency, seconds, rate, channels, amplitude),
                             channels, rate));
        audio::SoundHandle sound;
        EXPECT_EQ((on != nullptr ? on : system.get())->createSound(path.string(), mode, sound),
                  audio::Result::Ok);
        return sound;
    }

    TempFolder folder;
    std::unique_ptr<audio::System> system;
};

} // namespace audio_test
