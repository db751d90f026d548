#pragma once

#include "common/level_record.hpp"

#include <array>
#include <optional>

namespace leveleditor {

// An inclusive rectangle in view pixels.
struct Box {
    float left = 0, top = 0, right = 0, bottom = 0;
    bool contains(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
};

// Sprite size in play-field pixels; the body hit box uses the same numbers in view pixels.
struct SpriteSize {
    float width = 0, height = 0;
};
SpriteSize flySize();
SpriteSize enemySize(int kind); // kinds 1..4; others get the wasp's size

Box flyBox(float x, float y);
Box enemyBodyBox(int kind, float x, float y);
// The rotation handle: a 20 x 20 square at the body box's lower right corner, outside it.
Box rotationHandleBox(int kind, float x, float y);

// Dragging and turning with the left mouse button. One object is grabbed per press, tested on
// every frame while the button is down: enemies before the fly, the last enemy first (it is
// drawn on top).
class Placement {
  public:
    struct Outcome {
        std::optional<int> selectItem; // the list item to select (0 the fly)
        bool flyGrabbed = false;       // the heading field goes off for the fly
        bool showPosition = false;     // positionItem's coordinates moved
        int positionItem = 0;
        std::optional<int> shownAngle; // the heading field shows this
        bool changed = false;
    };

    // One frame: the button state, the position and the vertical movement since last frame.
    Outcome step(common::LevelRecord& level, bool leftDown, int mouseX, int mouseY, int mouseDy);
    void releaseAll();
    bool grabInProgress() const { return grab_; }

  private:
    static constexpr std::size_t kObjects = common::kMaxEnemies + 1; // 0 is the fly
    std::array<bool, kObjects> dragging_{};
    std::array<bool, kObjects> rotating_{};
    bool grab_ = false;
    bool flyDragging_ = false;
    float offsetX_ = 0, offsetY_ = 0;
};

} // namespace leveleditor
