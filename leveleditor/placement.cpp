#include "leveleditor/placement.hpp"

#include "leveleditor/level_document.hpp"

#include <algorithm>

namespace leveleditor {
namespace {

constexpr std::array<SpriteSize, 4> kEnemySizes = {{
    {120, 80},  // wasp
    {100, 80},  // gnat
    {200, 150}, // dragonfly
    {200, 152}, // hornet
}};
constexpr float kHandleSize = 20;
constexpr int kTurnStep = 5;

float clampTo(float value, float limit) {
    return std::clamp(value, 0.0f, limit);
}

Box centredBox(SpriteSize size, float x, float y) {
    return {x - size.width / 2, y - size.height / 2, x + size.width / 2, y + size.height / 2};
}

} // namespace

SpriteSize flySize() {
    return {100, 80};
}

SpriteSize enemySize(int kind) {
    return kEnemySizes[static_cast<std::size_t>(kind >= 1 && kind <= 4 ? kind - 1 : 0)];
}

Box flyBox(float x, float y) {
    return centredBox(flySize(), x, y);
}

Box enemyBodyBox(int kind, float x, float y) {
    return centredBox(enemySize(kind), x, y);
}

Box rotationHandleBox(int kind, float x, float y) {
    const Box body = enemyBodyBox(kind, x, y);
    return {body.right, body.bottom - kHandleSize, body.right + kHandleSize, body.bottom};
}

Placement::Outcome Placement::step(common::LevelRecord& level, bool leftDown, int mouseX,
                                   int mouseY, int mouseDy) {
    Outcome outcome;
    const int count = std::clamp<int>(level.enemyCount, 0, common::kMaxEnemies);
    if (leftDown) {
        for (int i = count; i >= 1 && !grab_; --i) {
            auto& enemy = level.enemies[static_cast<std::size_t>(i - 1)];
            const auto index = static_cast<std::size_t>(i);
            if (enemyBodyBox(enemy.kind, enemy.x, enemy.y).contains(mouseX, mouseY) &&
                !dragging_[index] && !rotating_[index]) {
                offsetX_ = static_cast<float>(mouseX) - enemy.x;
                offsetY_ = static_cast<float>(mouseY) - enemy.y;
                dragging_[index] = true;
                outcome.selectItem = i;
                grab_ = true;
            }
            if (rotationHandleBox(enemy.kind, enemy.x, enemy.y).contains(mouseX, mouseY) &&
                !dragging_[index] && !rotating_[index]) {
                rotating_[index] = true;
                outcome.selectItem = i;
                grab_ = true;
            }
        }
        if (!grab_ && flyBox(level.flyX, level.flyY).contains(mouseX, mouseY) && !dragging_[0] &&
            !rotating_[0]) {
            offsetX_ = static_cast<float>(mouseX) - level.flyX;
            offsetY_ = static_cast<float>(mouseY) - level.flyY;
            outcome.selectItem = 0;
            outcome.flyGrabbed = true;
            grab_ = true;
            dragging_[0] = true;
            rotating_[0] = true;
            flyDragging_ = true;
        }
    } else {
        releaseAll();
    }

    if (flyDragging_) {
        level.flyX = clampTo(static_cast<float>(mouseX) - offsetX_, kPlayableWidth);
        level.flyY = clampTo(static_cast<float>(mouseY) - offsetY_, kPlayableHeight);
        outcome.showPosition = true;
        outcome.positionItem = 0;
        outcome.shownAngle = 0;
        outcome.changed = true;
    }
    for (int i = 1; i <= count; ++i) {
        auto& enemy = level.enemies[static_cast<std::size_t>(i - 1)];
        const auto index = static_cast<std::size_t>(i);
        if (dragging_[index]) {
            enemy.x = clampTo(static_cast<float>(mouseX) - offsetX_, kPlayableWidth);
            enemy.y = clampTo(static_cast<float>(mouseY) - offsetY_, kPlayableHeight);
            outcome.showPosition = true;
            outcome.positionItem = i;
            outcome.changed = true;
        }
        if (rotating_[index]) {
            // Only the direction of the movement counts: 5 degrees per frame.
            int angle = enemy.angle;
            if (mouseDy < 0) {
                angle -= kTurnStep;
            } else if (mouseDy > 0) {
                angle += kTurnStep;
            }
            if (angle < 0) {
                angle += 360;
            } else if (angle > 360) {
                angle -= 360;
            }
            enemy.angle = static_cast<std::int16_t>(angle);
            outcome.shownAngle = angle;
            outcome.changed = true;
        }
    }
    return outcome;
}

void Placement::releaseAll() {
    dragging_.fill(false);
    rotating_.fill(false);
    grab_ = false;
    flyDragging_ = false;
}

} // namespace leveleditor
