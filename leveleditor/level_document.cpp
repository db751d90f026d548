#include "leveleditor/level_document.hpp"

#include "common/numbers.hpp"

#include <algorithm>
#include <cmath>

namespace leveleditor {
namespace {

constexpr int kMaxBubbles = 99;
constexpr int kMaxMinutes = 99;
constexpr int kFieldLimitX = 864;
constexpr int kFieldLimitY = 768;
constexpr int kFullCircle = 360;

int slot(int item) {
    return item - 1;
}

bool isEnemyItem(const common::LevelRecord& level, int item) {
    return item >= 1 && item <= level.enemyCount;
}

} // namespace

common::LevelRecord LevelDocument::emptyLevel() {
    common::LevelRecord level;
    level.userLevelFile = false;
    level.flyX = kFlyStartX;
    level.flyY = kFlyStartY;
    return level;
}

void LevelDocument::reset() {
    level = emptyLevel();
    isUserLevelFile = false;
    changed = false;
}

FieldCheck checkField(Field field, std::string_view text) {
    if (text.empty() ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return {FieldVerdict::notNumber, 0};
    }
    // Long runs of digits are out of range, never an overflow.
    const std::string_view digits = text.substr(std::min(text.find_first_not_of('0'), text.size()));
    if (digits.size() > 6) {
        return {FieldVerdict::outOfRange, 0};
    }
    int value = 0;
    for (char c : digits) {
        value = value * 10 + (c - '0');
    }
    const int limit = field == Field::x   ? kFieldLimitX
                      : field == Field::y ? kFieldLimitY
                                          : kFullCircle - 1;
    return {value <= limit ? FieldVerdict::accepted : FieldVerdict::outOfRange, value};
}

int shownCoordinate(float viewUnits) {
    const double field = static_cast<double>(viewUnits) * common::kViewToField;
    auto rounded = common::roundHalfEvenToInt16(field);
    return rounded ? rounded.value() : static_cast<int>(std::lround(field));
}

int fieldValue(const common::LevelRecord& level, int item, Field field) {
    const bool enemy = isEnemyItem(level, item);
    const auto& e = level.enemies[static_cast<std::size_t>(enemy ? slot(item) : 0)];
    switch (field) {
    case Field::x:
        return shownCoordinate(enemy ? e.x : level.flyX);
    case Field::y:
        return shownCoordinate(enemy ? e.y : level.flyY);
    case Field::angle:
        return enemy ? e.angle : 0;
    }
    return 0;
}

void applyField(common::LevelRecord& level, int item, Field field, int value) {
    const bool enemy = isEnemyItem(level, item);
    auto& e = level.enemies[static_cast<std::size_t>(enemy ? slot(item) : 0)];
    const auto view = static_cast<float>(value / common::kViewToField);
    switch (field) {
    case Field::x:
        (enemy ? e.x : level.flyX) = view;
        break;
    case Field::y:
        (enemy ? e.y : level.flyY) = view;
        break;
    case Field::angle:
        if (enemy) {
            e.angle = static_cast<std::int16_t>(value);
        }
        break;
    }
}

void stepBubblesUp(common::LevelRecord& level) {
    level.bubbles = static_cast<std::int16_t>(std::min<int>(level.bubbles + 1, kMaxBubbles));
}

void stepBubblesDown(common::LevelRecord& level) {
    level.bubbles = static_cast<std::int16_t>(std::max<int>(level.bubbles - 1, 1));
}

void stepTimeUp(common::LevelRecord& level) {
    level.seconds = static_cast<std::int16_t>(level.seconds + 1);
    if (level.seconds >= 60) {
        if (level.minutes >= kMaxMinutes) {
            level.seconds = 59;
        } else {
            level.seconds = 0;
            level.minutes = static_cast<std::int16_t>(level.minutes + 1);
        }
    }
}

void stepTimeDown(common::LevelRecord& level) {
    level.seconds = static_cast<std::int16_t>(level.seconds - 1);
    if (level.minutes <= 0 && level.seconds <= 0) {
        level.minutes = 0;
        level.seconds = 1;
    } else if (level.seconds < 0) {
        level.seconds = 59;
        level.minutes = static_cast<std::int16_t>(level.minutes - 1);
    }
}

bool canSave(const common::LevelRecord& level) {
    return level.map >= 1 && level.bubbles >= 1 && (level.seconds > 0 || level.minutes >= 1);
}

bool appendEnemy(common::LevelRecord& level, int kind) {
    if (level.enemyCount >= common::kMaxEnemies) {
        return false;
    }
    level.enemies[static_cast<std::size_t>(level.enemyCount)] = {static_cast<std::int16_t>(kind),
                                                                 kFlyStartX, kFlyStartY, 0};
    level.enemyCount = static_cast<std::int16_t>(level.enemyCount + 1);
    return true;
}

void deleteEnemy(common::LevelRecord& level, int number) {
    if (!isEnemyItem(level, number)) {
        return;
    }
    auto& slots = level.enemies;
    std::move(slots.begin() + number, slots.begin() + level.enemyCount,
              slots.begin() + slot(number));
    slots[static_cast<std::size_t>(level.enemyCount - 1)] = {};
    level.enemyCount = static_cast<std::int16_t>(level.enemyCount - 1);
}

} // namespace leveleditor
