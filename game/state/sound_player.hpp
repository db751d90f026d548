// Sound effects and music by case number, played on the game's fixed channel handles, and the
// audio start-up and shutdown.
#pragma once

#include "audio/audio.hpp"

#include <cstdint>
#include <functional>
#include <string>

struct GameState;

// Plays the sound of `soundCase` (1..14) on its channel when music or effects are on;
// other numbers do nothing. Audio results are stored in the state and never acted on.
void PlaySoundCase(GameState& state, std::int16_t soundCase);

// Index in GameState::sounds of each file, in load order.
enum SoundIndex : int {
    kMusicGame,
    kMusicMenu,
    kMusicIntro,
    kMusicLevelIntro,
    kSfxFly,
    kSfxWasp,
    kSfxGnat,
    kSfxHornet,
    kSfxCollect,
    kSfxCollect2,
    kSfxMessage,
    kSfxMenuChoice,
    kSfxMenuSelect,
    kSfxMenuSelect2,
    kSfxMenuChoice3,
    kSfxMenuSelect3,
    kSfxMenuChoice2,
};

// Text shown when the library reports another interface level than the one we were built for.
std::string audioVersionMessage(unsigned version);

// Brings up both audio systems. `notify` shows the version message; `afterEachSound` redraws
// the loading screen after each of the 17 sounds.
void startAudio(GameState& state, audio::Output output,
                const std::function<void(const std::string&)>& notify,
                const std::function<void()>& afterEachSound);

// Plays a music file on a channel when music is on (used by the screens that change music).
void playMusic(GameState& state, int soundIndex, audio::ChannelHandle& channel);
void pauseChannel(GameState& state, audio::ChannelHandle channel);
void setChannelVolume(GameState& state, audio::ChannelHandle channel, float volume);

// The chase sound of an enemy slot (1..10), on whichever system it was started.
void pauseEnemyChannel(GameState& state, int slot);
void setEnemyChannelVolume(GameState& state, int slot, float volume);
// Takes the hornet's echo off system B.
void removeEchoUnit(GameState& state);

void shutdownAudio(GameState& state);
