#include "content/content.hpp"
#include "content/sounds/effects.hpp"
#include "content/sounds/levels.hpp"
#include "content/sounds/music.hpp"
#include "content/sounds/vorbis.hpp"

#include <functional>
#include <future>
#include <string>
#include <vector>

namespace content {

namespace {

using namespace sound;

enum class Kind { Music, Buzz, Effect };

struct SoundFile {
    const char* name;
    Kind kind;
    std::function<Audio(const Instruments&)> make;
};

// Music sits at one loudness; buzzes a little below it since they play over the music; short
// effects peak a little under full scale.
constexpr double kMusicRmsDb = -18.0;
constexpr double kMusicCeilingDb = -1.0;
constexpr double kBuzzRmsDb = -21.0;
constexpr double kBuzzCeilingDb = -3.0;
constexpr double kEffectPeakDb = -3.0;
constexpr float kQuality = 0.35f;

void finish(Audio& audio, Kind kind) {
    switch (kind) {
    case Kind::Music:
        normaliseRms(audio, kMusicRmsDb, kMusicCeilingDb);
        break;
    case Kind::Buzz:
        normaliseRms(audio, kBuzzRmsDb, kBuzzCeilingDb);
        break;
    case Kind::Effect:
        trimSilence(audio, -66.0);
        fadeEdges(audio, 0.001, 0.015);
        normalisePeak(audio, kEffectPeakDb);
        break;
    }
}

std::vector<SoundFile> soundFiles() {
    auto buzz = [](BuzzSpec (*makeRecipe)()) {
        return [makeRecipe](const Instruments&) { return buzzLoop(makeRecipe()); };
    };
    // In the game's load order.
    return {
        {"music_game", Kind::Music, gameMusic},
        {"music_menu", Kind::Music, menuMusic},
        {"music_intro", Kind::Music, introMusic},
        {"music_levelintro", Kind::Music, levelIntroMusic},
        {"sfx_fly", Kind::Buzz, buzz(flyBuzz)},
        {"sfx_wasp", Kind::Buzz, buzz(waspBuzz)},
        {"sfx_gnat", Kind::Buzz, buzz(gnatBuzz)},
        {"sfx_hornet", Kind::Buzz, buzz(hornetBuzz)},
        {"sfx_collect", Kind::Effect, collectChime},
        {"sfx_collect2", Kind::Effect, healthChime},
        {"sfx_message", Kind::Effect, messageChime},
        {"sfx_menu_choice", Kind::Effect, menuChoice},
        {"sfx_menu_select", Kind::Effect, menuSelect},
        {"sfx_menu_select2", Kind::Effect, menuConfirm},
        {"sfx_menu_choice3", Kind::Effect, panelChoice},
        {"sfx_menu_select3", Kind::Effect, valueChange},
        {"sfx_menu_choice2", Kind::Effect, submenuChoice},
    };
}

} // namespace

void writeSounds(const Context& ctx) {
    const Instruments instruments;
    const std::vector<SoundFile> files = soundFiles();
    const std::filesystem::path folder = ctx.root / "sound";
    auto write = [&](std::size_t i) {
        const SoundFile& file = files[i];
        Audio audio = file.make(instruments);
        finish(audio, file.kind);
        writeOggVorbis(audio, folder / (std::string(file.name) + ".ogg"), kQuality,
                       0x42520000u + static_cast<std::uint32_t>(i));
    };
    // Two workers: the music loops dominate, so they are spread over both. Each file depends
    // on nothing but its own index, so the output is the same whatever the order.
    auto worker = [&](std::size_t first) {
        for (std::size_t i = first; i < files.size(); i += 2)
            write(i);
    };
    auto second = std::async(std::launch::async, worker, 1);
    worker(0);
    second.get();
}

} // namespace content
