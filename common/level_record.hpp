#pragma once

#include "common/result.hpp"

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

namespace common {

inline constexpr const char* kBuiltInLevelHeader = ">> Brimzel Level File <<";
inline constexpr const char* kUserLevelHeader = ">> Brimzel User Level File <<";
inline constexpr int kMaxEnemies = 10;
inline constexpr int kMapCount = 8;
// The editor shows the map at 1/1.28 of its size; files hold play-field pixels.
inline constexpr double kViewToField = 1.28;

struct GravitationPoint {
    std::int16_t x;
    std::int16_t y;
};

// The fixed gravitation point of each map, index map - 1 (map 8 shares map 1's point).
inline constexpr std::array<GravitationPoint, kMapCount> kGravitationPoints = {{
    {412, 504},
    {686, 354},
    {711, 513},
    {488, 440},
    {84, 487},
    {370, 514},
    {442, 385},
    {412, 504},
}};

// The point of a map 1..8; maps outside that range get map 1's point.
GravitationPoint gravitationPoint(int map);

struct LevelEnemy {
    std::int16_t kind = 0; // 1 wasp, 2 gnat, 3 dragonfly, 4 hornet
    float x = 0.0f;
    float y = 0.0f;
    std::int16_t angle = 0; // whole degrees, 0 up, clockwise
};

// The level editor's document. Positions are in view units (play-field pixels / 1.28) for
// WriteLevelFile and ReadLevelFileForEditing, in play-field pixels for writeBuiltInLevelFile.
struct LevelRecord {
    bool userLevelFile = true; // header kind: user levels may be deleted, built-in ones not
    std::int16_t map = 0;      // 1..8
    float flyX = 0.0f;
    float flyY = 0.0f;
    std::int16_t bubbles = 0;
    std::int16_t minutes = 0;
    std::int16_t seconds = 0;
    std::int16_t enemyCount = 0; // slots at and beyond the count hold no enemy
    std::array<LevelEnemy, kMaxEnemies> enemies{};
};

// What the game takes from a level file, in play-field pixels, named as the game holds it.
struct PlayLevel {
    std::int16_t mapNumber = 0;
    double flyX = 0.0;
    double flyY = 0.0;
    double gravityX = 0.0;
    double gravityY = 0.0;
    std::int16_t bubblesTotal = 0;
    std::int16_t minutes = 0;
    std::int16_t seconds = 0;
    std::int16_t enemyCount = 0;
    std::array<std::int16_t, kMaxEnemies> enemyKind{};
    std::array<double, kMaxEnemies> enemyX{};
    std::array<double, kMaxEnemies> enemyY{};
    std::array<double, kMaxEnemies> enemyAngle{};
};

// "levels/level<n>.lev" or "levels/user/level<n>.lev" below the installation root.
std::filesystem::path levelFilePath(const std::filesystem::path& root, int number, bool userLevel);

// The editor's writer: user header, positions scaled by 1.28 to play-field pixels, the
// gravitation pair of the map. Replaces the file atomically. Both writers refuse, writing
// nothing, a level the game's reader would refuse (map, counts, kinds, positions off the map).
Status WriteLevelFile(const std::filesystem::path& path, const LevelRecord& document);

// A built-in level: built-in header, positions already in play-field pixels, the map's
// gravitation pair. Used by the content generator.
Status writeBuiltInLevelFile(const std::filesystem::path& path, const LevelRecord& level);

// The editor's reader: checks the header, takes the map from the last character of line 2 and
// turns positions into whole view units (/1.28, halves to even). A wrong header fails with
// ErrorKind::wrongHeader; any failure leaves the caller's document alone.
Result<LevelRecord> ReadLevelFileForEditing(const std::filesystem::path& path);

// The game's reader: any header, the map after "map:map", values cut at fixed positions.
Result<PlayLevel> readLevelFileForPlay(const std::filesystem::path& path);

} // namespace common
