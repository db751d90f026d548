// Physical keys (SDL scancodes) to the game's key codes (DirectInput numbering), so the game's
// keys sit in the same place on any keyboard layout.
#pragma once

namespace engine {

inline constexpr int kKeyCodeCount = 256;

// The game's code of an SDL scancode, or 0 for a key the game has no code for.
int keyCodeFromScancode(int scancode);

} // namespace engine
