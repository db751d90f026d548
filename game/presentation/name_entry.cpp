#include "game/presentation/name_entry.hpp"

#include "common/highscore_file.hpp"
#include "game/presentation/glyph_text.hpp"
#include "game/presentation/highscore_table.hpp"
#include "game/state/game_state.hpp"

int moveMarker(int key, MarkerMove move) {
    switch (move) {
    case MarkerMove::Right:
        // Each letter and sign row wraps within itself; the last key of the bottom row goes
        // back up to the signs.
        if (key == 26 || key == 52 || key == 78)
            return key - 25;
        if (key == kConfirmKey)
            return 68;
        return key + 1;
    case MarkerMove::Left:
        if (key == 1 || key == 27 || key == 53)
            return key + 25;
        if (key == kSpaceKey)
            return 64;
        return key - 1;
    case MarkerMove::Up:
        if (key >= 1 && key <= 13)
            return kSpaceKey;
        if (key == 14)
            return kDeleteKey;
        if (key >= 15 && key <= 26)
            return kConfirmKey;
        if (key >= kSpaceKey)
            return key - 14; // 79, 80, 81 -> 65, 66, 67
        return key - 26;
    case MarkerMove::Down:
        if (key >= 53 && key <= 65)
            return kSpaceKey;
        if (key == 66)
            return kDeleteKey;
        if (key >= 67 && key <= 78)
            return kConfirmKey;
        if (key >= kSpaceKey)
            return key - 66; // 79, 80, 81 -> 13, 14, 15
        return key + 26;
    }
    return key;
}

KeyCentre keyCentre(int key) {
    if (key <= 26)
        return {30.0f * key + 105.0f, 607.0f};
    if (key <= 52)
        return {30.0f * (key - 26) + 105.0f, 637.0f};
    if (key <= 78)
        return {30.0f * (key - 52) + 105.0f, 667.0f};
    return {30.0f * (key - 66) + 105.0f, 702.0f}; // 79, 80, 81 in columns 13, 14, 15
}

void deleteLastCharacter(std::string& name) {
    if (name.empty())
        return;
    std::size_t cut = name.size() - 1;
    // Step back over continuation bytes to the lead byte of the last character.
    while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80)
        --cut;
    name.erase(cut);
}

void pressSelectedKey(GameState& state) {
    const int key = state.selectedKey;
    if (key < 1 || key > kKeyboardKeys)
        return;
    if (key == kConfirmKey) {
        saveHighscoreTable(state);
        state.highscoreScreenActive = false;
        return;
    }
    if (state.newPlace < 1 || state.newPlace > 4)
        return;
    std::string& name = state.highscoreNames[state.newPlace];
    if (key == kDeleteKey)
        deleteLastCharacter(name);
    else if (splitCharacters(name).size() < common::kMaxHighscoreNameLength)
        name += state.glyphTable[key];
}
