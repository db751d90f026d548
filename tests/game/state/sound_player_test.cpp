// Sound cases on the tree's sounds, mixed into buffers without an audio device.
#include "game/state/game_state.hpp"
#include "game/state/sound_player.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

class SoundCases : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!std::filesystem::exists(std::filesystem::path(BRIMZEL_TREE) / "sound"))
            GTEST_SKIP() << "no sounds in the staged tree";
        previous = std::filesystem::current_path();
        std::filesystem::current_path(BRIMZEL_TREE);
        startAudio(
            s, audio::Output::Buffer, [&](const std::string& text) { messages.push_back(text); },
            [&] { ++redraws; });
    }
    void TearDown() override {
        if (!previous.empty())
            std::filesystem::current_path(previous);
    }
    bool playing(audio::System& system, audio::ChannelHandle channel) {
        bool on = false;
        return system.isPlaying(channel, on) == audio::Result::Ok && on;
    }
    GameState s;
    std::vector<std::string> messages;
    int redraws = 0;
    std::filesystem::path previous;
};

TEST_F(SoundCases, StartUpLoadsSeventeenSoundsWithARedrawEach) {
    EXPECT_EQ(redraws, 17);
    EXPECT_TRUE(messages.empty()) << messages.front(); // the expected version
    for (const auto& sound : s.sounds)
        EXPECT_TRUE(sound);
    ASSERT_TRUE(s.audioSystemA);
    ASSERT_TRUE(s.audioSystemB);
    EXPECT_TRUE(s.echoUnit);
}

TEST_F(SoundCases, EffectsShareTheIntroMusicChannel) {
    PlaySoundCase(s, 4);
    const audio::ChannelHandle intro = s.soundChannel;
    EXPECT_TRUE(playing(*s.audioSystemA, intro));
    PlaySoundCase(s, 1);
    EXPECT_EQ(s.soundChannel, intro); // the click replaced the music on the same channel
    EXPECT_TRUE(playing(*s.audioSystemA, s.soundChannel));
}

TEST_F(SoundCases, EffectsOffSilenceClicksButTheEchoStillGoesOn) {
    s.soundOn = false;
    for (int c : {1, 2, 3, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14})
        PlaySoundCase(s, static_cast<std::int16_t>(c));
    EXPECT_EQ(s.soundChannel, 0u);
    EXPECT_EQ(s.buzzChannel, 0u);
    EXPECT_EQ(s.enemyChannels[1], 0u);
    // The echo was added to system B: adding it again changes nothing and succeeds, and it
    // can be removed.
    EXPECT_EQ(s.audioSystemB->removeEcho(s.echoUnit), audio::Result::Ok);

    // Music off stops the intro music but not the clicks.
    s.soundOn = true;
    s.musicOn = false;
    PlaySoundCase(s, 4);
    EXPECT_EQ(s.soundChannel, 0u);
    PlaySoundCase(s, 13);
    EXPECT_NE(s.soundChannel, 0u);
}

TEST_F(SoundCases, ChaseSoundsPlayOnTheEnemysOwnChannelAndSystem) {
    s.currentEnemySlot = 3;
    PlaySoundCase(s, 7);
    EXPECT_TRUE(playing(*s.audioSystemA, s.enemyChannels[3]));
    s.currentEnemySlot = 4;
    PlaySoundCase(s, 12); // the hornet's buzz goes through system B
    EXPECT_TRUE(playing(*s.audioSystemB, s.enemyChannels[4]));
    pauseEnemyChannel(s, 4);
    bool on = false;
    s.audioSystemB->isPlaying(s.enemyChannels[4], on);
    EXPECT_TRUE(on); // paused counts as playing
    setEnemyChannelVolume(s, 4, 0.5f);
    EXPECT_EQ(s.audioResult, audio::Result::Ok);
    s.currentEnemySlot = 42; // out of range: slot 1, never outside the table
    PlaySoundCase(s, 6);
    EXPECT_TRUE(playing(*s.audioSystemA, s.enemyChannels[1]));
}

TEST_F(SoundCases, OtherCasesDoNothingAndShutdownReleases) {
    for (int c : {0, 15, -1, 999})
        PlaySoundCase(s, static_cast<std::int16_t>(c));
    EXPECT_EQ(s.soundChannel, 0u);
    shutdownAudio(s);
    EXPECT_FALSE(s.audioSystemA);
    EXPECT_FALSE(s.audioSystemB);
    EXPECT_FALSE(s.sounds[kMusicGame]);
    PlaySoundCase(s, 1); // no systems left: silently nothing
}

} // namespace
