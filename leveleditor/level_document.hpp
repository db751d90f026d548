#pragma once

#include "common/level_record.hpp"

#include <cstdint>
#include <filesystem>
#include <string_view>

namespace leveleditor {

// Where a new or reset document puts the fly: the centre of the view.
inline constexpr float kFlyStartX = 400.0f;
inline constexpr float kFlyStartY = 300.0f;
// The playable part of the view; the strip to the right shows the side panel.
inline constexpr float kPlayableWidth = 675.0f;
inline constexpr float kPlayableHeight = 600.0f;

// The level being edited, positions in view units, and what the editor knows about its file.
struct LevelDocument {
    common::LevelRecord level = emptyLevel();
    bool changed = false;
    std::filesystem::path filePath; // the file last opened or saved
    std::int16_t userLevelNumber = 0;
    bool isUserLevelFile = false;

    static common::LevelRecord emptyLevel();
    // Back to an empty level; the file path and number stay, the user-file mark goes off.
    void reset();
};

// ---- Typed coordinates and headings -----------------------------------------------------

enum class Field { x, y, angle };
enum class FieldVerdict { accepted, notNumber, outOfRange };

struct FieldCheck {
    FieldVerdict verdict = FieldVerdict::notNumber;
    int value = 0;
};

// Digits only (an empty text is no number); x 0..864, y 0..768, heading 0..359.
FieldCheck checkField(Field field, std::string_view text);

// A view position as the fields show it: times 1.28, rounded half to even.
int shownCoordinate(float viewUnits);

// The value a field shows for list item `item` (0 or -1 the fly): the rounded coordinate, the
// enemy's heading, 0 for the fly's heading.
int fieldValue(const common::LevelRecord& level, int item, Field field);

// Stores an accepted value: coordinates as value / 1.28, headings of enemies only.
void applyField(common::LevelRecord& level, int item, Field field, int value);

// ---- Bubbles, time and enemies --------------------------------------------------------

void stepBubblesUp(common::LevelRecord& level);   // at most 99
void stepBubblesDown(common::LevelRecord& level); // at least 1
void stepTimeUp(common::LevelRecord& level);      // at most 99:59
void stepTimeDown(common::LevelRecord& level);    // at least 0:01

// A level can be saved once it has a map, a bubble and some time.
bool canSave(const common::LevelRecord& level);

// Appends an enemy of the kind at the view's centre, heading up. False when all slots are taken.
bool appendEnemy(common::LevelRecord& level, int kind);
// Removes the k-th enemy (1-based); later ones move down, the freed slot is cleared.
void deleteEnemy(common::LevelRecord& level, int number);

} // namespace leveleditor
