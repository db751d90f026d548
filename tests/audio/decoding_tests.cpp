// Files that are not at the mixing rate, not stereo or without samples.
#include "audio_fixture.hpp"

#include <audio/audio.hpp>

#include <cmath>

using namespace audio_test;
using audio::Result;

using AudioDecoding = AudioFixture;

namespace {

// Rising zero crossings of the left channel in [from, to).
int risingCrossings(const std::vector<float>& stereo, int from, int to) {
    int count = 0;
    for (int i = from + 1; i < to; ++i) {
        if (stereo[2 * (i - 1)] < 0.0f && stereo[2 * i] >= 0.0f) {
            ++count;
        }
    }
    return count;
}

} // namespace

TEST_F(AudioDecoding, OtherRatesPlayAtTheirOwnLengthAndPitch) {
    for (long rate : {22050L, 48000L}) {
        auto sound = tone("rate" + std::to_string(rate) + ".ogg", 500, 0.5, 0.5f,
                          audio::kModeSoftware, rate);
        audio::ChannelHandle channel = 0;
        ASSERT_EQ(system->play(sound, false, channel), Result::Ok);
        const auto heard = render(*system, kRate);
        EXPECT_GT(peak(heard, kRate / 2 - 400, kRate / 2 - 200), 0.4f) << rate;
        EXPECT_EQ(peak(heard, kRate / 2 + 200, kRate), 0.0f) << rate;
        // 500 Hz for 0.4 s in the middle: 200 periods.
        EXPECT_NEAR(risingCrossings(heard, kRate / 20, kRate * 9 / 20), 200, 1) << rate;
    }
}

TEST_F(AudioDecoding, MonoIsHeardOnBothSides) {
    auto sound = tone("mono.ogg", 441, 0.5, 0.5f, audio::kModeSoftware, kRate, 1);
    audio::ChannelHandle channel = 0;
    ASSERT_EQ(system->play(sound, false, channel), Result::Ok);
    const auto heard = render(*system, 4096);
    for (int i = 0; i < 4096; ++i) {
        ASSERT_EQ(heard[2 * i], heard[2 * i + 1]);
    }
    EXPECT_NEAR(peak(heard, 0, 4096), 0.5f, 0.02f);
}

TEST_F(AudioDecoding, SoundWithoutSamplesEndsAtOnceEvenWhenLooping) {
    ASSERT_TRUE(writeOgg(folder.file("silent.ogg"), {}, 2, kRate));
    audio::SoundHandle sound;
    ASSERT_EQ(system->createSound(folder.file("silent.ogg").string(), 66, sound), Result::Ok);
    audio::ChannelHandle channel = 0;
    ASSERT_EQ(system->play(sound, false, channel), Result::Ok);
    EXPECT_EQ(peak(render(*system, 1000), 0, 1000), 0.0f);
    bool playing = true;
    EXPECT_EQ(system->isPlaying(channel, playing), Result::Ok);
    EXPECT_FALSE(playing);
}
