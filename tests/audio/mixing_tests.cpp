// What a listener hears: rendered buffers of played, paused, faded, looped and replaced sounds.
#include "audio_fixture.hpp"

#include <audio/audio.hpp>
#include <audio/channel.hpp>

#include <cmath>

using namespace audio_test;
using audio::Result;

namespace {

constexpr float kTone = 0.5f;

// Largest step between neighbouring left samples in [from, to).
float largestStep(const std::vector<float>& stereo, int from, int to) {
    float largest = 0.0f;
    for (int i = from + 1; i < to; ++i) {
        largest = std::max(largest, std::fabs(stereo[2 * i] - stereo[2 * (i - 1)]));
    }
    return largest;
}

} // namespace

using AudioMixing = AudioFixture;

TEST_F(AudioMixing, PlayedSoundIsHeardAtItsLevelAndOneShotEnds) {
    auto sound = tone("a.ogg", 441, 0.5, kTone);
    audio::ChannelHandle channel = 0;
    ASSERT_EQ(system->play(sound, false, channel), Result::Ok);
    EXPECT_NE(channel, 0u);

    const auto heard = render(*system, kRate / 4);
    EXPECT_NEAR(peak(heard, 0, kRate / 4), kTone, 0.02f);
    bool playing = false;
    EXPECT_EQ(system->isPlaying(channel, playing), Result::Ok);
    EXPECT_TRUE(playing);

    const auto rest = render(*system, kRate / 2);
    EXPECT_GT(peak(rest, 0, kRate / 8), 0.4f);
    EXPECT_EQ(peak(rest, kRate / 4 + 10, kRate / 2), 0.0f); // ended half a second in
    EXPECT_EQ(system->isPlaying(channel, playing), Result::Ok);
    EXPECT_FALSE(playing);
}

TEST_F(AudioMixing, VolumeScalesAndIsClampedToZeroOne) {
    auto sound = tone("a.ogg", 441, 1.0, kTone, audio::kModeSoftware | audio::kModeLoop);
    audio::ChannelHandle channel = 0;
    ASSERT_EQ(system->play(sound, false, channel), Result::Ok);
    const float full = peak(render(*system, 4096), 0, 4096);

    ASSERT_EQ(system->setVolume(channel, 0.5f), Result::Ok);
    render(*system, audio::kGainRampFrames); // the glide to the new volume
    const float half = peak(render(*system, 4096), 0, 4096);
    EXPECT_NEAR(half / full, 0.5f, 0.01f);

    EXPECT_EQ(system->setVolume(channel, 7.0f), Result::Ok);
    render(*system, audio::kGainRampFrames);
    EXPECT_NEAR(peak(render(*system, 4096), 0, 4096), full, 0.005f);

    EXPECT_EQ(system->setVolume(channel, -1.0f), Result::Ok);
    render(*system, audio::kGainRampFrames);
    EXPECT_EQ(peak(render(*system, 4096), 0, 4096), 0.0f);

    EXPECT_EQ(system->setVolume(channel, std::nanf("")), Result::InvalidParameter);
}

TEST_F(AudioMixing, VolumeSetRightAfterPlayAppliesFromTheFirstSample) {
    auto sound = tone("a.ogg", 441, 1.0, kTone);
    audio::ChannelHandle channel = 0;
    ASSERT_EQ(system->play(sound, false, channel), Result::Ok);
    ASSERT_EQ(system->setVolume(channel, 0.6f), Result::Ok);
    EXPECT_NEAR(peak(render(*system, 200), 0, 200), 0.6f * kTone, 0.02f);
}

TEST_F(AudioMixing, VolumeChangeGlidesWithoutAJump) {
    auto sound = tone("a.ogg", 441, 1.0, kTone, audio::kModeSoftware | audio::kModeLoop);
    audio::ChannelHandle channel = 0;
    ASSERT_EQ(system->play(sound, false, channel), Result::Ok);
    const auto before = render(*system, 1000);
    const float normal = largestStep(before, 0, 1000);
    ASSERT_EQ(system->setVolume(channel, 0.0f), Result::Ok);
    auto after = render(*system, 1000);
    after.insert(after.begin(), before.end() - 2, before.end());
    EXPECT_LE(largestStep(after, 0, 1001), normal * 1.05f);
}

TEST_F(AudioMixing, PauseSilencesAndResumeGoesOnWhereItStopped) {
    auto sound = tone("a.ogg", 441, 0.5, kTone);
    audio::ChannelHandle channel = 0;
    ASSERT_EQ(system->play(sound, true, channel), Result::Ok);
    EXPECT_EQ(peak(render(*system, kRate), 0, kRate), 0.0f); // started paused
    bool playing = false;
    EXPECT_EQ(system->isPlaying(channel, playing), Result::Ok);
    EXPECT_TRUE(playing);

    ASSERT_EQ(system->setPaused(channel, false), Result::Ok);
    render(*system, kRate / 4);
    ASSERT_EQ(system->setPaused(channel, true), Result::Ok);
    render(*system, audio::kGainRampFrames);
    EXPECT_EQ(peak(render(*system, kRate), 0, kRate), 0.0f);

    // A quarter second (and the glide) is left to play after resuming.
    ASSERT_EQ(system->setPaused(channel, false), Result::Ok);
    const auto resumed = render(*system, kRate / 2);
    EXPECT_GT(peak(resumed, kRate / 8, kRate / 4 - 500), 0.45f);
    EXPECT_EQ(peak(resumed, kRate / 4 + 500, kRate / 2), 0.0f);
}

TEST_F(AudioMixing, LoopWrapsSeamlesslyAndKeepsPlaying) {
    // A whole number of periods, so the wrap continues the waveform.
    auto sound = tone("loop.ogg", 441, 1.0, kTone, audio::kModeSoftware | audio::kModeLoop);
    audio::ChannelHandle channel = 0;
    ASSERT_EQ(system->play(sound, false, channel), Result::Ok);
    const auto played = render(*system, 3 * kRate + 100);
    const float normal = largestStep(played, kRate / 2 - 500, kRate / 2 + 500);
    ASSERT_GT(normal, 0.0f);
    for (int wrap = kRate; wrap <= 3 * kRate; wrap += kRate) {
        EXPECT_LE(largestStep(played, wrap - 50, wrap + 50), normal * 1.2f) << "wrap at " << wrap;
        EXPECT_GT(peak(played, wrap - 100, wrap + 100), 0.45f);
    }
    bool playing = false;
    EXPECT_EQ(system->isPlaying(channel, playing), Result::Ok);
    EXPECT_TRUE(playing);
}

TEST_F(AudioMixing, PlayingOnAHandleReplacesWhatItPlays) {
    auto loud = tone("loud.ogg", 441, 2.0, 0.8f, audio::kModeSoftware | audio::kModeLoop);
    auto quiet = tone("quiet.ogg", 441, 2.0, 0.2f);
    audio::ChannelHandle channel = 0;
    ASSERT_EQ(system->play(loud, false, channel), Result::Ok);
    ASSERT_EQ(system->setVolume(channel, 0.5f), Result::Ok);
    render(*system, 1000);
    const audio::ChannelHandle first = channel;
    ASSERT_EQ(system->play(quiet, false, channel), Result::Ok);
    EXPECT_EQ(channel, first);
    // Only the quiet tone, at full volume again (a new play starts at volume 1).
    EXPECT_NEAR(peak(render(*system, 4096), 0, 4096), 0.2f, 0.01f);

    // A second handle gets a channel of its own: both are heard.
    audio::ChannelHandle other = 0;
    ASSERT_EQ(system->play(loud, false, other), Result::Ok);
    EXPECT_NE(other, channel);
    EXPECT_GT(peak(render(*system, 4096), 0, 4096), 0.85f);
}

TEST_F(AudioMixing, EchoAddsADelayedQuieterCopyOnlyWhileAdded) {
    auto burst = tone("burst.ogg", 441, 0.1, kTone);
    audio::EchoHandle echo;
    ASSERT_EQ(system->createEcho(echo), Result::Ok);
    ASSERT_EQ(system->addEcho(echo), Result::Ok);
    ASSERT_EQ(system->addEcho(echo), Result::Ok); // again: still one echo
    audio::ChannelHandle channel = 0;
    ASSERT_EQ(system->play(burst, false, channel), Result::Ok);

    const int delay = static_cast<int>(0.3 * kRate);
    const auto heard = render(*system, kRate);
    const float dry = peak(heard, 1000, kRate / 10 - 1000);
    EXPECT_NEAR(dry, kTone, 0.02f);
    EXPECT_LT(peak(heard, kRate / 10 + 1000, delay - 1000), 0.01f);
    const float first = peak(heard, delay + 1000, delay + kRate / 10 - 1000);
    EXPECT_NEAR(first / dry, 0.4f, 0.03f);
    const float second = peak(heard, 2 * delay + 1000, 2 * delay + kRate / 10 - 1000);
    EXPECT_NEAR(second / dry, 0.16f, 0.03f);

    ASSERT_EQ(system->removeEcho(echo), Result::Ok);
    EXPECT_EQ(system->removeEcho(echo), Result::InvalidHandle);
    ASSERT_EQ(system->play(burst, false, channel), Result::Ok);
    const auto plain = render(*system, kRate);
    EXPECT_GT(peak(plain, 0, kRate / 10), 0.45f);
    EXPECT_EQ(peak(plain, kRate / 10 + 1000, kRate), 0.0f);
}

TEST_F(AudioMixing, EchoTakenOutWhileRingingFadesInsteadOfCutting) {
    // 490 Hz fits whole periods into the delay: the echoes add up in phase, loud to cut.
    auto buzz = tone("buzz.ogg", 490, 1.0, 0.3f, audio::kModeSoftware | audio::kModeLoop);
    audio::EchoHandle echo;
    ASSERT_EQ(system->createEcho(echo), Result::Ok);
    ASSERT_EQ(system->addEcho(echo), Result::Ok);
    audio::ChannelHandle channel = 0;
    ASSERT_EQ(system->play(buzz, false, channel), Result::Ok);
    // Taken out a quarter period in, where the echoes are at their loudest.
    constexpr int kCut = kRate + 22;
    auto heard = render(*system, kCut);
    const float withEcho = peak(heard, kCut - 4096, kCut);
    ASSERT_EQ(system->removeEcho(echo), Result::Ok);
    const auto after = render(*system, 4096);
    heard.insert(heard.end(), after.begin(), after.end());
    const float normal = largestStep(heard, kCut - 4096, kCut);
    EXPECT_LE(largestStep(heard, kCut - 10, kCut + 600), normal * 1.2f);
    // Only the dry tone once the fade is over.
    EXPECT_GT(withEcho, 0.45f);
    EXPECT_NEAR(peak(after, 1000, 4096), 0.3f, 0.01f);
}

TEST_F(AudioMixing, LoudSumIsLimitedSmoothlyWithinFullScale) {
    auto sound = tone("a.ogg", 441, 1.0, 0.9f, audio::kModeSoftware | audio::kModeLoop);
    std::vector<audio::ChannelHandle> channels(6, 0);
    for (auto& channel : channels) {
        ASSERT_EQ(system->play(sound, false, channel), Result::Ok);
    }
    const auto heard = render(*system, 4096);
    EXPECT_LE(peak(heard, 0, 4096), 1.0f);
    EXPECT_GT(peak(heard, 0, 4096), 0.95f);
    EXPECT_LT(largestStep(heard, 0, 4096), 0.5f);
}

TEST_F(AudioMixing, ReleasedSoundStopsOnEveryChannel) {
    auto sound = tone("a.ogg", 441, 1.0, kTone, audio::kModeSoftware | audio::kModeLoop);
    audio::ChannelHandle channel = 0;
    ASSERT_EQ(system->play(sound, false, channel), Result::Ok);
    render(*system, 1000);
    audio::SoundHandle copy = sound;
    EXPECT_EQ(audio::releaseSound(sound), Result::Ok);
    EXPECT_EQ(sound, nullptr);
    bool playing = true;
    EXPECT_EQ(system->isPlaying(channel, playing), Result::Ok);
    EXPECT_FALSE(playing);
    EXPECT_EQ(peak(render(*system, 1000), 0, 1000), 0.0f);
    EXPECT_EQ(system->play(copy, false, channel), Result::InvalidHandle);
    EXPECT_EQ(audio::releaseSound(sound), Result::InvalidHandle);
}
