#include "game/shell/main_menu.hpp"

#include "common/text_lines.hpp"
#include "game/gameplay/level_setup.hpp"
#include "game/gameplay/saved_progress_flow.hpp"
#include "game/presentation/glyph_text.hpp"
#include "game/presentation/highscore_table.hpp"
#include "game/state/game_state.hpp"
#include "game/state/sound_player.hpp"

#include <algorithm>
#include <cstdio>

namespace {

constexpr double kOpenPanel = 500.0;

engine::Corners alphaCorners(double alpha) {
    return engine::Corners::all(engine::makeColor(1, 1, 1, static_cast<float>(alpha)));
}

std::string twoDigits(int n) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d", n);
    return text;
}

void runSlideshow(GameState& state, float dt) {
    engine::Engine& e = *state.engine;
    state.backgroundTimer += 0.1 * dt;
    if (state.backgroundTimer > 500.0) {
        state.backgroundAlpha -= 0.0003 * dt;
        const int next = state.backgroundIndex % 15 + 1;
        if (state.backgroundAlpha <= 0.0) {
            state.backgroundIndex = static_cast<std::int16_t>(next);
            state.backgroundAlpha = 1.0;
            state.backgroundTimer = 0.0;
        } else {
            e.drawTexture(e.texture("mainmenu_back_" + std::to_string(next)), 0, 0, 1024, 768,
                          alphaCorners(1.0 - state.backgroundAlpha));
        }
    }
    e.drawTexture(e.texture("mainmenu_back_" + std::to_string(state.backgroundIndex)), 0, 0, 1024,
                  768, alphaCorners(state.backgroundAlpha));
}

// A card turning about its upright axis: it narrows to an edge, shows its other face and
// widens again.
void runInfoSign(GameState& state, float dt) {
    engine::Engine& e = *state.engine;
    if (state.infoShrinking) {
        state.infoWidth -= 0.05 * dt;
        if (state.infoWidth <= 0.0) {
            state.infoWidth = 0.0;
            state.infoShrinking = false;
            state.infoBackShown = !state.infoBackShown;
        }
    } else {
        state.infoWidth += 0.05 * dt;
        if (state.infoWidth >= 52.0) {
            state.infoWidth = 52.0;
            state.infoShrinking = true;
        }
    }
    const float half = static_cast<float>(state.infoWidth / 2.0);
    e.drawTexture(e.texture(state.infoBackShown ? "mainmenu_infoback" : "mainmenu_info"),
                  988.0f - half, 706, 988.0f + half, 758, alphaCorners(0.8));
}

void runHelpLine(GameState& state, float dt) {
    engine::Engine& e = *state.engine;
    const engine::Color band = engine::makeColor(0.0078125f, 0.26953125f, 0.55078125f, 0.1f);
    const engine::Color dense = engine::makeColor(0.0078125f, 0.26953125f, 0.55078125f, 0.8f);
    e.fillRect(400, 722, 998, 742, {band, dense, dense, band});
    state.helpTimer += 3.0 * dt;
    if (state.helpTimer > 100.0) {
        state.helpTimer = 0.0;
        const std::vector<std::string> letters = splitCharacters(state.helpLine);
        if (state.helpLetterCount < static_cast<int>(letters.size())) {
            ++state.helpLetterCount;
            state.helpShown.clear();
            for (int i = 0; i < state.helpLetterCount; ++i)
                state.helpShown += letters[i];
        }
    }
    if (!state.helpShown.empty())
        e.drawText(state.helpShown, 410, 722, engine::makeColor(1, 1, 1, 1), e.font("menu_font2"));
}

void runMenuBar(GameState& state, float dt) {
    engine::Engine& e = *state.engine;
    e.drawTexture(e.texture("mainmenu_menubar"), 50, 0, 334, 768, alphaCorners(0.8));
    for (int i = 1; i <= 5; ++i) {
        double& width = state.itemWidth[i];
        if (i == state.menuItem)
            width = std::min(248.0, width + 0.35 * dt);
        else
            width = std::max(150.0, width - 0.35 * dt);
        const float w = static_cast<float>(width);
        const float h = static_cast<float>(width * 60.0 / 248.0);
        const float cy = 320.0f + 90.0f * (i - 1);
        e.drawTexture(e.texture(menuPictureKey(state, "0" + std::to_string(i))), 192.0f - w / 2,
                      cy - h / 2, 192.0f + w / 2, cy + h / 2);
    }
}

// Grows the underline of the selected row to its picture's width less 20, shrinks it back and
// grows it again; a row that lost the selection shrinks to nothing and stops.
void animateUnderline(double& length, bool& shrinking, bool selected, double maxLength, float dt) {
    if (!selected && length <= 0.0)
        return;
    if (selected && !shrinking) {
        length += 0.4 * dt;
        if (length >= maxLength) {
            length = std::max(0.0, maxLength);
            shrinking = true;
        }
        return;
    }
    length -= 0.4 * dt;
    if (length <= 0.0) {
        length = 0.0;
        shrinking = false;
    }
}

void drawUnderline(GameState& state, int row, double length, double alpha) {
    if (length <= 0.0)
        return;
    const engine::Color yellow = engine::makeColor(1, 1, 0, static_cast<float>(0.2 * alpha));
    const engine::Color white = engine::makeColor(1, 1, 1, static_cast<float>(alpha));
    const float y = 60.0f * row + 226.0f;
    state.engine->fillRect(449, y, 447.0f + static_cast<float>(length), y + 2,
                           {yellow, white, yellow, white});
}

float pictureWidth(GameState& state, const std::string& key) {
    engine::Engine& e = *state.engine;
    return static_cast<float>(e.textureSize(e.texture(key)).width);
}

void runSubmenuPanel(GameState& state, float dt) {
    engine::Engine& e = *state.engine;
    if (state.panelState == 1) {
        state.panelSize = std::min(kOpenPanel, state.panelSize + 0.8 * dt);
        if (state.panelSize >= kOpenPanel)
            state.panelState = 3;
    } else if (state.panelState == 2) {
        state.panelSize = std::max(0.0, state.panelSize - 0.8 * dt);
        if (state.panelSize <= 0.0)
            state.panelState = 3;
    }
    const MenuRows rows = submenuRows(state);
    const bool rowsShown = state.panelSize > 0.0 && !state.levelSelectOpen;
    for (int u = 1; u <= rows.count; ++u) {
        const double maxLength = pictureWidth(state, menuPictureKey(state, rows.ids[u])) - 20.0;
        animateUnderline(state.underlineLength[u], state.underlineShrinking[u],
                         state.submenuOpen && u == state.subItem && rowsShown, maxLength, dt);
    }
    if (state.panelSize <= 0.0)
        return;

    const float size = static_cast<float>(state.panelSize);
    const float height = size * 316.0f / 500.0f;
    const float left = 679.0f - size / 2.0f;
    const float top = 384.0f - height / 2.0f;
    e.drawTexture(e.texture("mainmenu_menupanel"), left, top, left + size, top + height,
                  alphaCorners(0.8));
    if (!rowsShown)
        return;
    const float scale = size / 500.0f;
    for (int u = 1; u <= rows.count; ++u) {
        const std::string key = menuPictureKey(state, rows.ids[u]);
        const float y = top + (60.0f * u - 42.0f) / 316.0f * height;
        const float w = pictureWidth(state, key) * scale;
        const bool grey = state.menuItem == 3 && u == 2 && state.viewerMode == 1;
        const engine::Corners tint =
            grey ? engine::Corners::all(engine::makeColor(0.4f, 0.4f, 0.4f, 1)) : alphaCorners(1);
        e.drawTexture(e.texture(key), left, y, left + w, y + 40.0f * scale, tint);
        if (!rows.numberId[u].empty()) {
            const std::string number = menuPictureKey(state, rows.numberId[u]);
            const float nw = pictureWidth(state, number) * scale;
            e.drawTexture(e.texture(number), left + w, y, left + w + nw, y + 40.0f * scale, tint);
        }
    }
    if (state.panelSize >= kOpenPanel)
        for (int u = 1; u <= rows.count; ++u)
            drawUnderline(state, u, state.underlineLength[u], 1.0);
}

void runLevelPanel(GameState& state, float dt) {
    engine::Engine& e = *state.engine;
    if (state.levelPanelState == 1) {
        state.levelPanelAlpha = std::min(1.0, state.levelPanelAlpha + 0.005 * dt);
    } else if (state.levelPanelState == 2) {
        state.levelPanelAlpha = std::max(0.0, state.levelPanelAlpha - 0.005 * dt);
        if (state.levelPanelAlpha <= 0.0) {
            state.levelSelectOpen = false;
            state.levelPanelState = 0;
        }
    }
    const MenuRows rows = levelPanelRows(state);
    for (int r = 1; r <= rows.count; ++r) {
        const double maxLength = pictureWidth(state, menuPictureKey(state, rows.ids[r])) - 20.0;
        animateUnderline(state.levelRowUnderline[r], state.levelRowShrinking[r],
                         state.levelSelectOpen && r == state.levelSelectRow, maxLength, dt);
    }
    if (!state.levelSelectOpen)
        return;
    const engine::Corners tint = alphaCorners(state.levelPanelAlpha);
    for (int r = 1; r <= rows.count; ++r) {
        const std::string key = menuPictureKey(state, rows.ids[r]);
        const float y = 244.0f + 60.0f * (r - 1);
        const float w = pictureWidth(state, key);
        e.drawTexture(e.texture(key), 429, y, 429 + w, y + 40, tint);
        if (!rows.numberId[r].empty()) {
            const std::string number = menuPictureKey(state, rows.numberId[r]);
            const float nw = pictureWidth(state, number);
            e.drawTexture(e.texture(number), 429 + w, y, 429 + w + nw, y + 40, tint);
        }
        drawUnderline(state, r, state.levelRowUnderline[r], state.levelPanelAlpha);
    }
}

void enterChosenScreen(GameState& state) {
    if (state.startGame) {
        state.startGame = false;
        if (continuesPastLastLevel(state)) {
            // The whole scenario is behind this run: its score goes to the scenario table,
            // which keeps the menu music.
            setChannelVolume(state, state.menuMusicChannel, 1.0f);
            openHighscoreEntry(state);
        } else {
            pauseChannel(state, state.menuMusicChannel);
            playMusic(state, kMusicLevelIntro, state.levelIntroChannel);
            // A level that does not load is reported by the frame loop, back in the menu.
            if (!gameplay::loadLevel(state))
                return;
            // The level intro shows from its start, whatever the intro left in the fade.
            state.introFading = false;
            state.introFade = 0.0;
            state.introTextTop = 768.0;
            state.pressTop = 768.0;
            state.screenState = 100;
        }
    } else {
        state.screenState = 500;
    }
    state.leaveFade = 0.0;
    state.engine->fadeIn(1, 1, 1, 500);
}

void runLeaving(GameState& state, float dt) {
    if (!state.startGame && !state.highscoreScreenActive)
        return;
    engine::Engine& e = *state.engine;
    state.leaveFade += 0.001 * dt;
    const double alpha = std::min(state.leaveFade, 1.0);
    if (state.startGame && state.musicOn)
        setChannelVolume(state, state.menuMusicChannel, static_cast<float>(1.0 - alpha));
    if (state.leaveFade >= 1.0)
        enterChosenScreen(state);
    e.drawTexture(e.texture("white"), 0, 0, 1024, 768, alphaCorners(alpha));
}

} // namespace

std::string menuPictureKey(const GameState& state, const std::string& id) {
    return "mainmenu_" + state.language + id;
}

MenuRows submenuRows(const GameState& state) {
    MenuRows rows;
    auto on = [](bool flag) { return flag ? std::string("01") : std::string("02"); };
    switch (state.menuItem) {
    case 1:
        rows = {{"", "01_01", "01_02", "01_03", "01_04"}, {}, 4};
        break;
    case 3:
        rows = {{"", "03_01_0" + std::to_string(state.viewerMode), "03_02", "03_03", "03_04"},
                {"", "", "03_02_" + twoDigits(state.viewerLevel)},
                4};
        break;
    case 4:
        rows = {{"", "04_01_" + on(state.musicOn), "04_02_" + on(state.soundOn),
                 "04_03_" + on(state.language == "cz"), "04_04_" + on(state.alertEnabled), "04_05"},
                {},
                5};
        break;
    case 5:
        rows = {{"", "05_01", "05_02"}, {}, 2};
        break;
    default:
        break;
    }
    return rows;
}

MenuRows levelPanelRows(const GameState& state) {
    MenuRows rows{{"", "01_02_01_0" + std::to_string(state.levelSet == 2 ? 2 : 1), "01_02_02",
                   "01_02_03", "01_02_04"},
                  {},
                  4};
    if (!(state.levelSet == 2 && state.userLevelCount <= 0))
        rows.numberId[2] = "03_02_" + twoDigits(state.levelChoice);
    return rows;
}

void LoadHelpLine(GameState& state) {
    state.helpLineItem = state.menuItem;
    state.helpShown.clear();
    state.helpLetterCount = 0;
    state.helpTimer = 0.0;
    if (state.submenuOpen)
        return;
    const int n = std::clamp<int>(state.menuItem, 1, 5);
    const auto lines = common::readTextLines("gfx/menu/" + state.language + "/mm_help.txt",
                                             static_cast<size_t>(n));
    state.helpLine =
        lines && static_cast<int>(lines.value().size()) >= n ? lines.value()[n - 1] : std::string();
}

void runMainMenuStep(GameState& state) {
    const float dt = state.engine->elapsedMs();
    applyMenuKeys(state);
    // A run that ended elsewhere put the menu back to its first item.
    if (state.helpLineItem != state.menuItem)
        LoadHelpLine(state);
    runSlideshow(state, dt);
    runInfoSign(state, dt);
    runHelpLine(state, dt);
    runMenuBar(state, dt);
    runSubmenuPanel(state, dt);
    runLevelPanel(state, dt);
    runLeaving(state, dt);
}
