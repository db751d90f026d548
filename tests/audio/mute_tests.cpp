// Muting a whole system: silence while the sounds go on underneath, no clicks either way.
#include "audio_fixture.hpp"

#include <audio/audio.hpp>
#include <audio/channel.hpp>

#include <cmath>

using namespace audio_test;
using audio::Result;

namespace {

float largestStep(const std::vector<float>& stereo, int from, int to) {
    float largest = 0.0f;
    for (int i = from + 1; i < to; ++i) {
        largest = std::max(largest, std::fabs(stereo[2 * i] - stereo[2 * (i - 1)]));
    }
    return largest;
}

} // namespace

using AudioMute = AudioFixture;

TEST_F(AudioMute, MutedOutputIsSilentAndUnmutingResumesWhereTheSoundsAre) {
    // One second of tone: a quarter heard, a half muted, and the last quarter heard again.
    auto sound = tone("a.ogg", 441, 1.0, 0.5f);
    audio::ChannelHandle channel = 0;
    ASSERT_EQ(system->play(sound, false, channel), Result::Ok);
    EXPECT_GT(peak(render(*system, kRate / 4), 1000, kRate / 4), 0.45f);

    bool muted = false;
    ASSERT_EQ(system->setMuted(true), Result::Ok);
    EXPECT_EQ(system->isMuted(muted), Result::Ok);
    EXPECT_TRUE(muted);
    auto silent = render(*system, kRate / 2);
    EXPECT_EQ(peak(silent, audio::kGainRampFrames, kRate / 2), 0.0f);
    // The channel itself keeps playing.
    bool playing = false;
    EXPECT_EQ(system->isPlaying(channel, playing), Result::Ok);
    EXPECT_TRUE(playing);

    ASSERT_EQ(system->setMuted(false), Result::Ok);
    const auto resumed = render(*system, kRate / 2);
    EXPECT_GT(peak(resumed, 1000, kRate / 4 - 1000), 0.45f);
    // The tone ran on while muted: it ends a quarter second after unmuting, not three.
    EXPECT_EQ(peak(resumed, kRate / 4 + 1000, kRate / 2), 0.0f);
}

TEST_F(AudioMute, MuteCoversEveryChannelAndTheEchoAndGlidesWithoutClicks) {
    auto loop = tone("loop.ogg", 441, 1.0, 0.3f, audio::kModeSoftware | audio::kModeLoop);
    auto burst = tone("burst.ogg", 441, 0.1, 0.3f);
    audio::EchoHandle echo;
    ASSERT_EQ(system->createEcho(echo), Result::Ok);
    ASSERT_EQ(system->addEcho(echo), Result::Ok);
    audio::ChannelHandle a = 0, b = 0;
    ASSERT_EQ(system->play(loop, false, a), Result::Ok);
    ASSERT_EQ(system->play(burst, false, b), Result::Ok);
    auto heard = render(*system, kRate / 5);
    const float normal = largestStep(heard, 1000, kRate / 5);

    // Muted while the echo of the burst would ring.
    ASSERT_EQ(system->setMuted(true), Result::Ok);
    const auto muted = render(*system, kRate);
    EXPECT_EQ(peak(muted, audio::kGainRampFrames, kRate), 0.0f);
    heard.insert(heard.end(), muted.begin(), muted.end());
    EXPECT_LE(largestStep(heard, kRate / 5 - 10, kRate / 5 + 600), normal * 1.2f);

    // Unmuting glides in too, and a play started while muted is heard afterwards.
    ASSERT_EQ(system->play(burst, false, b), Result::Ok);
    ASSERT_EQ(system->setMuted(false), Result::Ok);
    auto back = render(*system, kRate / 20);
    EXPECT_LE(largestStep(back, 0, 600), normal * 1.2f);
    EXPECT_GT(peak(back, 1000, kRate / 20), 0.5f); // loop and burst together

    // Muting again is no different from muting once; a fresh system is not muted.
    EXPECT_EQ(system->setMuted(true), Result::Ok);
    EXPECT_EQ(system->setMuted(true), Result::Ok);
    render(*system, audio::kGainRampFrames);
    EXPECT_EQ(peak(render(*system, 4096), 0, 4096), 0.0f);
    auto fresh = audio::System::create(audio::Output::Buffer);
    bool isMuted = true;
    EXPECT_EQ(fresh->isMuted(isMuted), Result::Ok);
    EXPECT_FALSE(isMuted);
}
