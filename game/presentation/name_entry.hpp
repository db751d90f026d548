// The on-screen keyboard of the name entry: 81 keys on four rows, a marker moved with the
// arrow keys, Enter types, deletes or confirms.
#pragma once

#include <cstdint>
#include <string>

struct GameState;

inline constexpr int kKeyboardKeys = 81;
inline constexpr int kSpaceKey = 79;
inline constexpr int kDeleteKey = 80;
inline constexpr int kConfirmKey = 81;

enum class MarkerMove { Right, Left, Up, Down };

// The key the marker goes to from `key` (1..81).
int moveMarker(int key, MarkerMove move);

// Centre of a key on the screen.
struct KeyCentre {
    float x = 0.0f;
    float y = 0.0f;
};
KeyCentre keyCentre(int key);

// Removes the last character (a whole UTF-8 sequence) of a name; an empty name stays empty.
void deleteLastCharacter(std::string& name);

// Enter on the selected key in name entry: types its character (up to the longest name a
// table holds), deletes, or (key 81) saves the table and starts the leaving fade.
void pressSelectedKey(GameState& state);
