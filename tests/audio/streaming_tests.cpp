// Long sounds (music) stay encoded in memory and are decoded as they play.
#include "audio_fixture.hpp"

#include <audio/audio.hpp>
#include <audio/channel.hpp>
#include <audio/sound.hpp>
#include <audio/sound_loader.hpp>

#include <cmath>

using namespace audio_test;
using audio::Result;

using AudioStreaming = AudioFixture;

namespace {

constexpr double kSeconds = audio::kStreamAboveSeconds + 1;
constexpr int kLength = static_cast<int>(kSeconds * kRate);

float largestStep(const std::vector<float>& stereo, int from, int to) {
    float largest = 0.0f;
    for (int i = from + 1; i < to; ++i) {
        largest = std::max(largest, std::fabs(stereo[2 * i] - stereo[2 * (i - 1)]));
    }
    return largest;
}

} // namespace

TEST_F(AudioStreaming, LongLoopIsSmallInMemoryAndWrapsSeamlessly) {
    // 441 Hz: a whole number of periods in every whole second.
    auto music = tone("music.ogg", 441, kSeconds, 0.5f, audio::kModeSoftware | audio::kModeLoop);
    ASSERT_TRUE(music->streamed());
    const std::size_t decodedBytes = static_cast<std::size_t>(kLength) * 2 * sizeof(std::int16_t);
    EXPECT_LT(music->memoryBytes(), decodedBytes / 4);

    audio::ChannelHandle channel = 0;
    ASSERT_EQ(system->play(music, false, channel), Result::Ok);
    const auto heard = render(*system, kLength + 2000);
    const float normal = largestStep(heard, kLength / 2 - 500, kLength / 2 + 500);
    EXPECT_NEAR(peak(heard, kLength / 2 - 500, kLength / 2 + 500), 0.5f, 0.02f);
    EXPECT_LE(largestStep(heard, kLength - 50, kLength + 50), normal * 1.2f);
    EXPECT_GT(peak(heard, kLength + 100, kLength + 2000), 0.45f);

    // Paused in the middle of a decoded block, it resumes without losing its place.
    ASSERT_EQ(system->setPaused(channel, true), Result::Ok);
    render(*system, audio::kGainRampFrames);
    EXPECT_EQ(peak(render(*system, 3000), 0, 3000), 0.0f);
    ASSERT_EQ(system->setPaused(channel, false), Result::Ok);
    const auto resumed = render(*system, 2000);
    EXPECT_GT(peak(resumed, 500, 2000), 0.45f);
}

TEST_F(AudioStreaming, OneShotEndsAndSeveralChannelsPlayTheSameMusic) {
    auto music = tone("music.ogg", 441, kSeconds, 0.3f);
    ASSERT_TRUE(music->streamed());
    auto other = audio::System::create(audio::Output::Buffer);
    ASSERT_EQ(other->init(4), Result::Ok);

    audio::ChannelHandle first = 0;
    audio::ChannelHandle second = 0;
    audio::ChannelHandle onOther = 0;
    ASSERT_EQ(system->play(music, false, first), Result::Ok);
    ASSERT_EQ(system->play(music, false, second), Result::Ok);
    ASSERT_EQ(other->play(music, false, onOther), Result::Ok);
    EXPECT_NEAR(peak(render(*other, 4000), 0, 4000), 0.3f, 0.02f);

    // Each channel decodes on its own: the two in step add up.
    const auto heard = render(*system, kLength + 1000);
    EXPECT_NEAR(peak(heard, 0, 4000), 0.6f, 0.03f);
    EXPECT_EQ(peak(heard, kLength + 200, kLength + 1000), 0.0f);
    bool playing = true;
    EXPECT_EQ(system->isPlaying(first, playing), Result::Ok);
    EXPECT_FALSE(playing);
    EXPECT_EQ(other->isPlaying(onOther, playing), Result::Ok);
    EXPECT_TRUE(playing);
}
