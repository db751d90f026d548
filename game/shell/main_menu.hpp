// The main menu (state 50): slideshow, info card, help line, the bar of five top items, the
// submenu panel, the level-choice panel, and the white fade into a game or a table.
#pragma once

#include <string>

struct GameState;

// Reads the help line of the selected top item from gfx/menu/<language>/mm_help.txt (taken
// only while no submenu is open) and starts revealing it from its first letter.
void LoadHelpLine(GameState& state);

// Draws and animates the menu for one frame, and leaves it when its white fade is full.
void runMainMenuStep(GameState& state);

// The keys released this frame (input step of the menu).
void applyMenuKeys(GameState& state);

// Picture key of a menu item id in the current language: "mainmenu_" + language + id.
std::string menuPictureKey(const GameState& state, const std::string& id);

// Picture ids of the rows of the open submenu (1-based; [0] empty) and of the level panel.
struct MenuRows {
    std::string ids[6];
    std::string numberId[6]; // the number picture drawn right of a row, if any
    int count = 0;
};
MenuRows submenuRows(const GameState& state);
MenuRows levelPanelRows(const GameState& state);

// The highest level number of the chosen level set (16 built-in, or the user-level count).
int levelChoiceLimit(const GameState& state);
