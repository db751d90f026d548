#include "game/presentation/highscore_screen.hpp"

#include "game/gameplay/level_setup.hpp"
#include "game/presentation/glyph_text.hpp"
#include "game/presentation/highscore_table.hpp"
#include "game/presentation/name_entry.hpp"
#include "game/state/game_state.hpp"
#include "game/state/run_reset.hpp"
#include "game/state/sound_player.hpp"

#include <algorithm>

namespace {

// Where a line of the table must end: 20 px inside the screen, as it starts.
constexpr float kLineRight = 1004.0f;

bool czech(const GameState& state) {
    return state.language == "cz";
}

std::string modeName(const GameState& state) {
    static const char* const english[] = {"scenario", "bubble match", "time attack"};
    static const char* const czechNames[] = {"scénář", "bublinkový zápas", "časová zkouška"};
    const int mode = std::clamp<int>(state.gameMode, 1, 3);
    return czech(state) ? czechNames[mode - 1] : english[mode - 1];
}

bool showsUserLevel(const GameState& state) {
    return state.screenState == 501 ? state.levelNumber > 16 : state.userLevel;
}

// Back to the main menu once the white fade is full.
void finishLeaving(GameState& state) {
    if (state.screenState == 501) {
        resetRun(state);
        state.quitToMenu = false;
        gameplay::loadLevel(state);
    }
    state.leaveFade = 0.0;
    state.engine->fadeIn(1, 1, 1, 500);
    state.screenState = 50;
}

} // namespace

std::vector<GlyphLine> highscoreHeaderLines(const GameState& state) {
    std::vector<GlyphLine> lines;
    lines.push_back({czech(state) ? "VYSLEDKY" : "HIGHSCORE", 10.0f});
    lines.push_back({(czech(state) ? "Hra: " : "Game: ") + modeName(state), 60.0f});
    if (state.gameMode == 2 || state.gameMode == 3) {
        const std::string level =
            showsUserLevel(state) ? "vlastní" : std::to_string(state.levelNumber);
        lines.push_back({"Level: " + level, 110.0f});
    }
    return lines;
}

std::string highscorePlaceLine(const GameState& state, int place, const std::string& cursor,
                               const std::function<float(int index)>& glyphWidth) {
    const std::string points = std::to_string(state.highscorePoints[place]);
    const std::string before = std::to_string(place) + (czech(state) ? ". místo: " : ". place: ");
    const std::string after = cursor + (czech(state) ? ", body: " : ", points: ") + points;
    const std::string& name = state.highscoreNames[place];
    if (!glyphWidth)
        return before + name + after;
    return fitGlyphLine(before, name, after, state.glyphTable, glyphWidth, kLineRight);
}

void drawHighscoreScreen(GameState& state) {
    engine::Engine& e = *state.engine;
    const float dt = e.elapsedMs();
    const bool entry = state.screenState == 501;
    e.drawTexture(e.texture("gamescreen_highscore"), 0, 0, 1024, 768);
    if (entry) {
        e.drawTexture(e.texture("abc"), 0, 594, 1024, 718);
        const KeyCentre marker = keyCentre(std::clamp<int>(state.selectedKey, 1, kKeyboardKeys));
        e.drawRotated(e.texture("selection"), marker.x, marker.y, 36, 36, 0);
    }
    for (const GlyphLine& line : highscoreHeaderLines(state))
        drawGlyphText(state, line.text, line.y);

    std::string cursor;
    if (entry) {
        state.blinkTimer += 0.01 * dt;
        cursor = state.blinkTimer < 2.0 ? "-" : " ";
        if (state.blinkTimer >= 4.0)
            state.blinkTimer = 0.0;
    }
    auto glyphWidth = [&state](int index) { return drawnGlyphWidth(state, index); };
    for (int place = 1; place <= 4; ++place) {
        const bool typing = entry && place == state.newPlace;
        drawGlyphText(state, highscorePlaceLine(state, place, typing ? cursor : "", glyphWidth),
                      160.0f + 50.0f * place);
    }
    if (!entry)
        drawGlyphText(state, czech(state) ? "zmačkni ENTER pro návrat" : "press ENTER for return",
                      550.0f);

    if (!state.highscoreScreenActive) {
        state.leaveFade += 0.001 * dt;
        const double alpha = std::min(state.leaveFade, 1.0);
        if (state.leaveFade >= 1.0)
            finishLeaving(state);
        e.drawTexture(e.texture("white"), 0, 0, 1024, 768,
                      engine::Corners::all(engine::makeColor(1, 1, 1, static_cast<float>(alpha))));
    }
}

void applyHighscoreKeys(GameState& state) {
    GameState::ReleasedKeys& keys = state.highscoreKeys;
    // Once the leaving fade runs the screen takes no more keys.
    if (!state.highscoreScreenActive)
        return;
    if (state.screenState == 500) {
        if (keys.enter) {
            PlaySoundCase(state, 8);
            state.highscoreScreenActive = false;
        }
        return;
    }
    if (keys.enter)
        pressSelectedKey(state);
    int key = state.selectedKey;
    if (keys.left)
        key = moveMarker(key, MarkerMove::Left);
    if (keys.right)
        key = moveMarker(key, MarkerMove::Right);
    if (keys.up)
        key = moveMarker(key, MarkerMove::Up);
    if (keys.down)
        key = moveMarker(key, MarkerMove::Down);
    state.selectedKey = static_cast<std::int16_t>(key);
}
