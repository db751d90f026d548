#include "game/state/sound_player.hpp"

#include "game/state/game_state.hpp"

#include <array>
#include <cstdio>

namespace {

struct SoundFile {
    const char* path;
    unsigned mode;
};

constexpr unsigned kLooping = audio::kModeSoftware | audio::kModeLoop;

constexpr std::array<SoundFile, kSoundCount> kSoundFiles{{
    {"sound/music_game.ogg", kLooping},
    {"sound/music_menu.ogg", kLooping},
    {"sound/music_intro.ogg", kLooping},
    {"sound/music_levelintro.ogg", kLooping},
    {"sound/sfx_fly.ogg", kLooping},
    {"sound/sfx_wasp.ogg", kLooping},
    {"sound/sfx_gnat.ogg", kLooping},
    {"sound/sfx_hornet.ogg", kLooping},
    {"sound/sfx_collect.ogg", audio::kModeSoftware},
    {"sound/sfx_collect2.ogg", audio::kModeSoftware},
    {"sound/sfx_message.ogg", audio::kModeSoftware},
    {"sound/sfx_menu_choice.ogg", audio::kModeSoftware},
    {"sound/sfx_menu_select.ogg", audio::kModeSoftware},
    {"sound/sfx_menu_select2.ogg", audio::kModeSoftware},
    {"sound/sfx_menu_choice3.ogg", audio::kModeSoftware},
    {"sound/sfx_menu_select3.ogg", audio::kModeSoftware},
    {"sound/sfx_menu_choice2.ogg", audio::kModeSoftware},
}};

void play(GameState& state, audio::System* system, int soundIndex, audio::ChannelHandle& channel) {
    if (!system)
        return;
    state.audioResult = system->play(state.sounds[soundIndex], false, channel);
}

int validSlot(int slot) {
    return slot < 1 || slot > kMaxEnemies ? 1 : slot;
}

void playChase(GameState& state, int soundIndex, bool onB) {
    const int slot = validSlot(state.currentEnemySlot);
    state.enemyChannelOnB[slot] = onB;
    play(state, onB ? state.audioSystemB.get() : state.audioSystemA.get(), soundIndex,
         state.enemyChannels[slot]);
}

audio::System* enemySystem(GameState& state, int slot) {
    return state.enemyChannelOnB[slot] ? state.audioSystemB.get() : state.audioSystemA.get();
}

} // namespace

void PlaySoundCase(GameState& state, std::int16_t soundCase) {
    audio::System* a = state.audioSystemA.get();
    // One-shot effects share the channel of the intro music.
    auto effect = [&](int soundIndex) {
        if (state.soundOn)
            play(state, a, soundIndex, state.soundChannel);
    };
    switch (soundCase) {
    case 1:
        effect(kSfxMenuChoice);
        break;
    case 2:
        effect(kSfxMenuSelect);
        break;
    case 3:
        effect(kSfxMenuChoice2);
        break;
    case 4:
        if (state.musicOn)
            play(state, a, kMusicIntro, state.soundChannel);
        break;
    case 5:
        if (state.soundOn) {
            play(state, a, kSfxFly, state.buzzChannel);
            if (a)
                state.audioResult = a->setVolume(state.buzzChannel, 0.6f);
        }
        break;
    case 6:
        if (state.soundOn)
            playChase(state, kSfxWasp, false);
        break;
    case 7:
        if (state.soundOn)
            playChase(state, kSfxGnat, false);
        break;
    case 8:
        effect(kSfxMenuSelect2);
        break;
    case 9:
        effect(kSfxMenuSelect3);
        break;
    case 10:
        effect(kSfxMenuChoice3);
        break;
    case 11:
        effect(kSfxMessage);
        break;
    case 12:
        // The hornet buzzes on the second system, whose output carries the echo.
        if (state.soundOn)
            playChase(state, kSfxHornet, true);
        if (state.audioSystemB)
            state.audioResult = state.audioSystemB->addEcho(state.echoUnit);
        break;
    case 13:
        effect(kSfxCollect);
        break;
    case 14:
        effect(kSfxCollect2);
        break;
    default:
        break;
    }
}

std::string audioVersionMessage(unsigned version) {
    char found[16];
    char wanted[16];
    std::snprintf(found, sizeof found, "%X", version);
    std::snprintf(wanted, sizeof wanted, "%X", audio::kVersion);
    return std::string("Error!  You are using an old version of FMOD ") + found + ". " +
           "This program requires " + wanted;
}

void startAudio(GameState& state, audio::Output output,
                const std::function<void(const std::string&)>& notify,
                const std::function<void()>& afterEachSound) {
    state.audioSystemA = audio::System::create(output);
    state.audioSystemB = audio::System::create(output);
    if (state.audioSystemA)
        state.audioResult = state.audioSystemA->version(state.audioVersion);
    if (state.audioSystemB)
        state.audioResult = state.audioSystemB->version(state.audioVersion);
    if (state.audioVersion != audio::kVersion && notify)
        notify(audioVersionMessage(state.audioVersion));
    if (state.audioSystemA)
        state.audioResult = state.audioSystemA->init(32);
    if (state.audioSystemB)
        state.audioResult = state.audioSystemB->init(32);
    if (state.audioSystemA)
        state.audioResult = state.audioSystemA->createEcho(state.echoUnit);
    for (int i = 0; i < kSoundCount; ++i) {
        if (state.audioSystemA)
            state.audioResult = state.audioSystemA->createSound(
                kSoundFiles[i].path, kSoundFiles[i].mode, state.sounds[i]);
        if (afterEachSound)
            afterEachSound();
    }
}

void playMusic(GameState& state, int soundIndex, audio::ChannelHandle& channel) {
    if (state.musicOn)
        play(state, state.audioSystemA.get(), soundIndex, channel);
}

void pauseChannel(GameState& state, audio::ChannelHandle channel) {
    if (state.audioSystemA)
        state.audioResult = state.audioSystemA->setPaused(channel, true);
}

void setChannelVolume(GameState& state, audio::ChannelHandle channel, float volume) {
    if (state.audioSystemA)
        state.audioResult = state.audioSystemA->setVolume(channel, volume);
}

void pauseEnemyChannel(GameState& state, int slot) {
    slot = validSlot(slot);
    if (audio::System* system = enemySystem(state, slot))
        state.audioResult = system->setPaused(state.enemyChannels[slot], true);
}

void setEnemyChannelVolume(GameState& state, int slot, float volume) {
    slot = validSlot(slot);
    if (audio::System* system = enemySystem(state, slot))
        state.audioResult = system->setVolume(state.enemyChannels[slot], volume);
}

void removeEchoUnit(GameState& state) {
    if (state.audioSystemB)
        state.audioResult = state.audioSystemB->removeEcho(state.echoUnit);
}

void shutdownAudio(GameState& state) {
    state.audioResult = audio::releaseSound(state.sounds[kMusicGame]);
    if (state.audioSystemA) {
        state.audioResult = state.audioSystemA->close();
        state.audioSystemA.reset();
    }
    if (state.audioSystemB) {
        state.audioResult = state.audioSystemB->close();
        state.audioSystemB.reset();
    }
}
