#include "game/presentation/hud.hpp"

#include "game/state/game_state.hpp"

#include <cstdlib>

std::string zeroPadded(std::int64_t value, int digits) {
    std::string text = std::to_string(value < 0 ? -value : value);
    if (static_cast<int>(text.size()) < digits)
        text.insert(0, static_cast<size_t>(digits) - text.size(), '0');
    return text;
}

std::string bubbleCounterText(std::int16_t gameMode, std::int16_t collected, std::int16_t total) {
    if (gameMode == 2)
        return zeroPadded(collected, 3);
    return zeroPadded(collected, 2) + " / " + zeroPadded(total, 2);
}

std::string clockText(std::int16_t minutes, std::int16_t seconds) {
    return zeroPadded(minutes, 2) + " : " + zeroPadded(seconds, 2);
}

HudLabels hudLabels(const std::string& language) {
    if (language == "cz")
        return {"skóre", "čas", "energie", "level"};
    return {"score", "time", "energy", "level"};
}

void drawSidePanel(GameState& state) {
    engine::Engine& e = *state.engine;
    e.drawTexture(e.texture("game_panel"), 860, 0, 1020, 768);
    e.drawTexture(e.texture("panel_bubble"), 922, 35, 958, 71);
    e.drawTexture(e.texture("panel_quelbalogo"), 886, 678, 994, 738);
    e.drawTexture(e.texture("panel_fly"), 894, 440, 986, 484);
}

void drawHudText(GameState& state) {
    engine::Engine& e = *state.engine;
    const engine::Color yellow = engine::makeColor(1, 1, 0, 1);
    const engine::FontId valueFont = e.font("panel_font");
    const engine::FontId labelFont = e.font("panel_font2");
    auto centred = [&](const std::string& text, float top, engine::FontId font) {
        const engine::Size size = e.measureText(text, font);
        e.drawText(text, 940.0f - size.width / 2.0f, top, yellow, font);
    };
    const HudLabels labels = hudLabels(state.language);
    centred(bubbleCounterText(state.gameMode, state.bubblesCollected, state.bubblesTotal), 70,
            valueFont);
    centred(labels.score, 140, labelFont);
    centred(zeroPadded(state.displayedScore, 5), 170, valueFont);
    centred(labels.time, 240, labelFont);
    centred(clockText(state.minutes, state.seconds), 270, valueFont);
    centred(labels.energy, 340, labelFont);
    centred(zeroPadded(state.energy, 3), 370, valueFont);
    centred(zeroPadded(state.lives, 2), 489, valueFont);
    centred(labels.level, 559, labelFont);
    centred(zeroPadded(state.levelNumber, 2), 589, valueFont);
}
