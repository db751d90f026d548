#include "game/shell/startup.hpp"

#include "common/options_file.hpp"
#include "game/gameplay/level_setup.hpp"
#include "game/gameplay/play_start.hpp"
#include "game/gameplay/random_draws.hpp"
#include "game/shell/loading_screen.hpp"
#include "game/shell/main_menu.hpp"
#include "game/shell/resource_catalogue.hpp"
#include "game/state/game_state.hpp"
#include "game/state/notices.hpp"
#include "game/state/sound_player.hpp"

#include <cmath>
#include <cstdio>

namespace {

void applyOptions(GameState& state, const common::GameOptions& options) {
    for (size_t i = 0; i < state.optionLines.size() && i < options.optionLines.size(); ++i)
        state.optionLines[i] = options.optionLines[i];
    state.language = options.language;
    state.musicOn = options.musicOn;
    state.soundOn = options.soundOn;
    state.alertEnabled = options.alertEnabled;
    state.saveEnabled = options.saveEnabled;
    state.userLevelCount = options.userLevelCount;
    state.screenState = options.startScreenState;
    for (int k = 1; k <= kEnemyKinds; ++k) {
        state.kindSpeed[k] = options.kindSpeed[k - 1];
        state.kindFollowSpeed[k] = options.kindFollowSpeed[k - 1];
        state.kindReaction[k] = options.kindReaction[k - 1];
        state.kindFollowTime[k] = options.kindFollowTime[k - 1];
        state.kindSleepTime[k] = options.kindSleepTime[k - 1];
    }
    state.screenshotCount = options.screenshotCount;
}

// A picture that does not load ends the start-up with the file named: the game would play on
// without it (a map on white, its walls unseen).
common::Status loadEntry(engine::Engine& e, const CatalogueEntry& entry) {
    if (e.loadTexture(entry.path, entry.key, entry.options) == engine::kNoTexture)
        return common::Error{common::ErrorKind::missingFile, e.lastError()};
    return {};
}

engine::TextureFile fileOf(const CatalogueEntry& entry) {
    return {entry.path, entry.options};
}

void createFont(engine::Engine& e, const FontEntry& font) {
    e.createFont(font.key, font.face, font.size, font.style);
}

} // namespace

void fillGlyphTable(GameState& state) {
    int i = 1;
    for (char c = 'A'; c <= 'Z'; ++c)
        state.glyphTable[i++] = std::string(1, c);
    for (char c = 'a'; c <= 'z'; ++c)
        state.glyphTable[i++] = std::string(1, c);
    for (char c = '1'; c <= '9'; ++c)
        state.glyphTable[i++] = std::string(1, c);
    state.glyphTable[i++] = "0";
    for (const char* s : {".", ":", ",", "-", "/", "\\", "*", "+", "'", "!", "?", "=", "(",
                          ")", "<", ">", " ", "á", "ř",  "ý", "č", "š", "ů", "í", "é"})
        state.glyphTable[i++] = s;
}

common::Status startGame(GameState& state, const StartupSettings& settings) {
    // The options come first: they choose the display, and a missing file ends the program
    // before any window opens.
    // Named with the full path in errors, so the player knows which file to mend.
    state.files = settings.userFolder.empty() ? common::portableLayout({})
                                              : common::FileLayout{{}, settings.userFolder, {}};
    const auto options = common::readGameOptions(
        std::filesystem::absolute(state.files.readPath(common::optionsFilePath("")))
            .lexically_normal());
    if (!options)
        return options.error();

    engine::DisplayConfig display;
    display.title = "Brimzel";
    if (settings.headless) {
        display.backend = engine::Backend::Headless;
    } else {
        display.backend = engine::Backend::Window;
        display.fullscreen = !options.value().windowMode && !settings.windowed;
    }
    std::string engineError;
    state.engine = engine::Engine::create(display, engineError);
    if (!state.engine)
        return common::Error{common::ErrorKind::badContent,
                             "the display could not be opened: " + engineError};
    state.windowed = !settings.headless;
    engine::Engine& e = *state.engine;
    if (settings.scriptedFrameMs)
        e.useScriptedClock(*settings.scriptedFrameMs);
    // Loading presents hundreds of frames: they must not wait for the display's refresh.
    e.setVsync(false);
    e.setSearchDirectory(std::filesystem::absolute(settings.root).lexically_normal().string());
    // Screens rise out of white and the level intro's preview stands on white.
    e.setBackgroundColor(engine::kWhite);

    applyOptions(state, options.value());
    fillGlyphTable(state);

    for (const auto& entry : loadingScreenTextures())
        if (auto loaded = loadEntry(e, entry); !loaded)
            return loaded;
    state.rng.seed(settings.seed);
    gameplay::reseedFromClock(state);
    state.menuBackground =
        static_cast<std::int16_t>(std::floor(gameplay::randomFraction(state) * 15.0) + 1.0);
    // Every picture from here on is read (and decoded, but for JPEG pictures, which decode at
    // their first use) on worker threads while this thread loads the sounds and draws the
    // loading screen; the loads below still take them in their order.
    const std::vector<CatalogueEntry> catalogue = textureCatalogue();
    std::vector<engine::TextureFile> files = {fileOf(loadingBackground(state.menuBackground)),
                                              fileOf(loadingBackgroundFrame(state.menuBackground))};
    for (const auto& entry : catalogue)
        files.push_back(fileOf(entry));
    e.prefetchTextures(std::move(files));
    // The font opens while the workers decode the loading screen's background.
    createFont(e, loadingFont());
    for (const CatalogueEntry& entry :
         {loadingBackground(state.menuBackground), loadingBackgroundFrame(state.menuBackground)})
        if (auto loaded = loadEntry(e, entry); !loaded)
            return loaded;

    state.loadedCount = 0;
    state.loadTotal = kLoadingSteps;

    auto notify = [&state](const std::string& text) { showNotice(state, text); };
    auto redraw = [&state] { RedrawLoading(state); };
    startAudio(state, settings.audioOutput, notify, redraw);
    for (const auto& entry : catalogue) {
        if (auto loaded = loadEntry(e, entry); !loaded)
            return loaded;
        RedrawLoading(state);
    }

    // The loading screen's background decodes at its first use, while it is drawn.
    if (!e.pictureFailure().empty())
        return common::Error{common::ErrorKind::badContent, e.pictureFailure()};

    for (const auto& font : gameFonts())
        createFont(e, font);
    e.setVsync(true);
    if (settings.clockAfterLoading)
        e.setClock(settings.clockAfterLoading->elapsedMs, settings.clockAfterLoading->tick);

    state.bLoop = true;
    PlaySoundCase(state, 4);
    setRunDefaults(state);
    return {};
}

void setRunDefaults(GameState& state) {
    state.introFading = true;
    state.levelNumber = 1;
    const bool firstLoad = gameplay::loadLevel(state);
    state.flyX = 512;
    state.flyY = 384;
    state.flyAngle = 0;
    state.lives = 3;
    state.energy = 100;
    state.pauseSelection = 1;
    state.menuItem = 1;
    state.viewerMode = 1;
    state.viewerLevel = 1;
    state.selectedKey = 1;
    state.levelSet = 1;
    state.levelChoice = 1;
    state.loseChoice = 1;
    state.winChoice = 1;
    if (state.screenState < 200) {
        for (int i = 1; i <= 4; ++i)
            state.enemyKind[i] = static_cast<std::int16_t>(i);
        // A broken level file is reported when a game starts on it.
        state.levelLoadFailed = false;
    } else if (firstLoad && gameplay::loadLevel(state)) {
        // Started straight into play: the first level as a scenario level.
        state.gameMode = 1;
        beginPlay(state);
    } else {
        // The first frame reports the level and the main menu follows.
        state.screenState = 50;
    }
    LoadHelpLine(state);
    state.screenStartTick = state.engine->tick();
}
