// The side panel and its yellow values: bubbles, score, time, energy, lives and level.
#pragma once

#include <cstdint>
#include <string>

struct GameState;

// A number in decimal without sign, padded on the left with zeros to at least `digits`.
std::string zeroPadded(std::int64_t value, int digits);

// The bubble counter: "03 / 12", or the collected count alone ("004") in bubble match.
std::string bubbleCounterText(std::int16_t gameMode, std::int16_t collected, std::int16_t total);

// "09 : 05"
std::string clockText(std::int16_t minutes, std::int16_t seconds);

struct HudLabels {
    const char* score;
    const char* time;
    const char* energy;
    const char* level;
};
// Czech labels for "cz", English for any other language.
HudLabels hudLabels(const std::string& language);

void drawSidePanel(GameState& state);
void drawHudText(GameState& state);
