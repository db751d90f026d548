// What a return to the main menu keeps that no file holds: the settings the game changed in
// memory, the fly's heading (the next level starts with it), the menu's remembered choices and
// what the last game left that the next one sets anew.
// A segment of a session that begins at the main menu carries them on its `menu` line as
// NAME=VALUE words.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

struct GameState;

struct MenuState {
    bool music = true, sound = true, alert = true, save = false, angleSettled = false;
    bool introSkip = false, paused = false, tutorialActive = false, bubbleVisible = false;
    bool gravityDrain = false, enemyDrain = false;
    std::int32_t screenshots = 0;
    std::int16_t selectedKey = 1, flyAngle = 0, pauseSelection = 1, gameMode = 1, levelSet = 1,
                 levelChoice = 1, viewerMode = 1, viewerLevel = 1, menuBackground = 1;
    std::int16_t score = 0, tutorialStep = 0, bubbleX = 0, bubbleY = 0, endScreenKind = 0,
                 newPlace = 0;
    double turnCarry = 0;
    std::string language = "en";
};

MenuState menuStateOf(const GameState& state);
void applyMenuState(GameState& state, const MenuState& menu);

// All fields as words, each value written so it reads back exactly.
std::string menuStateWords(const MenuState& menu);
// Reads one NAME=VALUE word into `menu`; false when it names no field or the value does not fit.
bool readMenuStateWord(std::string_view word, MenuState& menu);
