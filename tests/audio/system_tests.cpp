// Systems and handles: version, init and close, results of every failure, two systems at once.
#include "audio_fixture.hpp"

#include <audio/audio.hpp>

#include <cstdlib>
#include <fstream>

using namespace audio_test;
using audio::Result;

using AudioSystems = AudioFixture;

TEST(AudioSystemSetUp, VersionInitAndCloseAnswerAsTheGameExpects) {
    auto system = audio::System::create(audio::Output::Buffer);
    unsigned version = 0;
    EXPECT_EQ(system->version(version), Result::Ok); // before init too
    EXPECT_EQ(version, 0x40619u);
    EXPECT_EQ(system->sampleRate(), 44100);

    audio::SoundHandle sound;
    audio::ChannelHandle channel = 0;
    audio::EchoHandle echo;
    EXPECT_EQ(system->createEcho(echo), Result::NotInitialised);
    EXPECT_EQ(system->close(), Result::NotInitialised);

    EXPECT_EQ(system->init(0), Result::InvalidParameter);
    EXPECT_EQ(system->init(audio::kMaxChannels + 1), Result::InvalidParameter);
    EXPECT_EQ(system->init(32), Result::Ok);
    EXPECT_EQ(system->createEcho(echo), Result::Ok);
    EXPECT_EQ(system->close(), Result::Ok);
    EXPECT_EQ(system->play(sound, false, channel), Result::InvalidHandle);
    EXPECT_EQ(system->setPaused(1, true), Result::NotInitialised);

    std::vector<float> out(64, 1.0f);
    system->render(out.data(), 32); // a closed system renders silence
    for (float v : out) {
        EXPECT_EQ(v, 0.0f);
    }
}

TEST_F(AudioSystems, MissingOrBadFilesGiveAnErrorAndStaySilent) {
    audio::SoundHandle sound;
    EXPECT_EQ(system->createSound(folder.file("none.ogg").string(), 64, sound),
              Result::FileNotFound);
    EXPECT_EQ(sound, nullptr);
    EXPECT_EQ(system->createSound(folder.file("").string(), 64, sound), Result::FileNotFound);
    EXPECT_EQ(system->createSound("", 66, sound), Result::FileNotFound);

    std::ofstream(folder.file("text.ogg")) << "this is not an Ogg Vorbis file\n";
    EXPECT_EQ(system->createSound(folder.file("text.ogg").string(), 64, sound), Result::BadFile);
    EXPECT_EQ(sound, nullptr);

    std::ofstream(folder.file("empty.ogg")).flush();
    EXPECT_EQ(system->createSound(folder.file("empty.ogg").string(), 64, sound), Result::BadFile);

    // A good file cut short after its first page.
    ASSERT_TRUE(writeOgg(folder.file("whole.ogg"), sineTone(441, 1.0, 44100, 2, 0.5f), 2, 44100));
    std::ifstream whole(folder.file("whole.ogg"), std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(whole)), {});
    std::ofstream(folder.file("cut.ogg"), std::ios::binary) << bytes.substr(0, 60);
    EXPECT_EQ(system->createSound(folder.file("cut.ogg").string(), 64, sound), Result::BadFile);

    // Playing what failed to load is refused and nothing is heard.
    audio::ChannelHandle channel = 0;
    EXPECT_EQ(system->play(sound, false, channel), Result::InvalidHandle);
    EXPECT_EQ(channel, 0u);
    EXPECT_EQ(peak(render(*system, 1000), 0, 1000), 0.0f);
}

TEST_F(AudioSystems, StaleAndForeignHandlesAreRefusedAndReplacedOnPlay) {
    auto sound = tone("a.ogg", 441, 0.05, 0.5f);
    for (audio::ChannelHandle bogus : {0u, 1u, 0xFFFFFFFFu, 0x12345678u}) {
        bool playing = true;
        EXPECT_NE(system->setPaused(bogus, true), Result::Ok);
        EXPECT_NE(system->setVolume(bogus, 0.5f), Result::Ok);
        EXPECT_EQ(system->isPlaying(bogus, playing), Result::InvalidHandle);
        EXPECT_FALSE(playing);
    }

    // A handle of another system: play takes a channel here and leaves the other one alone.
    auto other = audio::System::create(audio::Output::Buffer);
    ASSERT_EQ(other->init(32), Result::Ok);
    audio::ChannelHandle shared = 0;
    ASSERT_EQ(other->play(sound, true, shared), Result::Ok);
    const audio::ChannelHandle onOther = shared;
    EXPECT_EQ(system->setPaused(onOther, false), Result::InvalidHandle);
    ASSERT_EQ(system->play(sound, false, shared), Result::Ok);
    EXPECT_NE(shared, onOther);
    bool playing = false;
    EXPECT_EQ(other->isPlaying(onOther, playing), Result::Ok);
    EXPECT_TRUE(playing);

    // Once a finished channel is taken by another play, the old handle is stale.
    render(*system, 4410); // the one-shot has ended
    std::vector<audio::ChannelHandle> handles(32, 0);
    for (auto& handle : handles) {
        ASSERT_EQ(system->play(sound, true, handle), Result::Ok);
    }
    EXPECT_EQ(system->isPlaying(shared, playing), Result::InvalidHandle);
    audio::ChannelHandle extra = 0;
    EXPECT_EQ(system->play(sound, false, extra), Result::OutOfChannels);
    EXPECT_EQ(extra, 0u);
}

TEST_F(AudioSystems, SoundMadeOnOneSystemPlaysOnAnotherWithItsEcho) {
    // As the game does: everything made on one system, the hornet and the echo used on another.
    auto sound = tone("hornet.ogg", 441, 0.1, 0.5f);
    audio::EchoHandle echo;
    ASSERT_EQ(system->createEcho(echo), Result::Ok);
    auto b = audio::System::create(audio::Output::Buffer);
    ASSERT_EQ(b->init(32), Result::Ok);
    ASSERT_EQ(b->addEcho(echo), Result::Ok);
    EXPECT_EQ(system->addEcho(echo), Result::InvalidHandle); // one output at a time

    audio::ChannelHandle channel = 0;
    ASSERT_EQ(b->play(sound, false, channel), Result::Ok);
    const auto heardOnB = render(*b, kRate / 2);
    EXPECT_GT(peak(heardOnB, 0, kRate / 10), 0.45f);
    EXPECT_GT(peak(heardOnB, kRate * 3 / 10 + 500, kRate * 4 / 10 - 500), 0.15f);
    EXPECT_EQ(peak(render(*system, kRate / 2), 0, kRate / 2), 0.0f);

    // Closing B frees the echo for A.
    EXPECT_EQ(b->close(), Result::Ok);
    EXPECT_EQ(system->addEcho(echo), Result::Ok);
}

TEST(AudioDeviceOutput, SystemsShareTheDeviceOrStaySilentWithoutOne) {
    // The dummy driver of the test run opens; either way every call answers and nothing throws.
    auto a = audio::System::create(audio::Output::Device);
    auto b = audio::System::create(audio::Output::Device);
    const Result first = a->init(32);
    const Result second = b->init(32);
    EXPECT_TRUE(first == Result::Ok || first == Result::NoDevice);
    EXPECT_EQ(second, first);
    TempFolder folder;
    ASSERT_TRUE(writeOgg(folder.file("a.ogg"), sineTone(441, 0.2, 44100, 1, 0.5f), 1, 44100));
    audio::SoundHandle sound;
    ASSERT_EQ(a->createSound(folder.file("a.ogg").string(), 66, sound), Result::Ok);
    audio::ChannelHandle onA = 0;
    audio::ChannelHandle onB = 0;
    EXPECT_EQ(a->play(sound, false, onA), Result::Ok);
    EXPECT_EQ(b->play(sound, false, onB), Result::Ok);
    if (first == Result::Ok) {
        EXPECT_EQ(peak(render(*a, 1000), 0, 1000), 0.0f); // the device takes the frames
    }
    EXPECT_EQ(a->close(), Result::Ok);
    EXPECT_EQ(b->setVolume(onB, 0.3f), Result::Ok);
    EXPECT_EQ(b->close(), Result::Ok);
    EXPECT_EQ(a->init(16), first); // the device opens again after the last system closed
}

TEST(AudioDeviceOutput, NoDeviceLeavesAWorkingSilentSystem) {
    ::setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    auto system = audio::System::create(audio::Output::Device);
    EXPECT_EQ(system->init(32), Result::NoDevice);
    TempFolder folder;
    ASSERT_TRUE(writeOgg(folder.file("a.ogg"), sineTone(441, 0.2, 44100, 2, 0.5f), 2, 44100));
    audio::SoundHandle sound;
    ASSERT_EQ(system->createSound(folder.file("a.ogg").string(), 64, sound), Result::Ok);
    audio::ChannelHandle channel = 0;
    EXPECT_EQ(system->play(sound, false, channel), Result::Ok);
    EXPECT_GT(peak(render(*system, 1000), 0, 1000), 0.4f); // mixes on demand like a buffer
    ::setenv("SDL_AUDIODRIVER", "dummy", 1);
}

TEST(AudioDeviceOutput, CallsWhileTheDeviceMixesKeepEverythingConsistent) {
    // The device thread mixes while this thread plays, pauses, fades and releases.
    auto a = audio::System::create(audio::Output::Device);
    auto b = audio::System::create(audio::Output::Device);
    ASSERT_NE(a->init(8), Result::InvalidParameter);
    ASSERT_NE(b->init(8), Result::InvalidParameter);
    TempFolder folder;
    ASSERT_TRUE(writeOgg(folder.file("a.ogg"), sineTone(441, 0.05, 44100, 2, 0.5f), 2, 44100));
    audio::EchoHandle echo;
    ASSERT_EQ(a->createEcho(echo), Result::Ok);
    std::vector<audio::ChannelHandle> channels(12, 0);
    for (int round = 0; round < 300; ++round) {
        audio::SoundHandle sound;
        ASSERT_EQ(a->createSound(folder.file("a.ogg").string(), round % 2 ? 66 : 64, sound),
                  Result::Ok);
        for (std::size_t i = 0; i < channels.size(); ++i) {
            audio::System& on = i % 3 == 0 ? *b : *a;
            const Result played = on.play(sound, round % 5 == 0, channels[i]);
            EXPECT_TRUE(played == Result::Ok || played == Result::OutOfChannels);
            on.setVolume(channels[i], static_cast<float>(i) / 12.0f);
            on.setPaused(channels[i], round % 7 == 0);
        }
        if (round % 4 == 0) {
            EXPECT_EQ(b->addEcho(echo), Result::Ok);
        } else if (round % 4 == 2) {
            EXPECT_EQ(b->removeEcho(echo), Result::Ok);
        }
        EXPECT_EQ(audio::releaseSound(sound), Result::Ok);
    }
    EXPECT_EQ(a->close(), Result::Ok);
    EXPECT_EQ(b->close(), Result::Ok);
}
