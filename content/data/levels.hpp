// The sixteen built-in levels: two per map, difficulty rising through the scenario.
#pragma once

#include "common/level_record.hpp"

#include <filesystem>
#include <string>
#include <vector>

namespace content::data {

struct EnemyDesign {
    int kind; // 1 wasp, 2 gnat, 3 dragonfly, 4 hornet
    double x, y;
    int angle;
};

// A level as designed: wanted positions in play-field pixels, before snapping to the mask.
struct LevelDesign {
    int map;
    double flyX, flyY;
    int bubbles;
    int minutes, seconds;
    std::vector<EnemyDesign> enemies;
};

std::vector<LevelDesign> builtInLevelDesigns(); // levels 1..16 in order

// Free room kept around a start spot: the insect's half-size and a margin.
double flyClearance();
double enemyClearance(int kind);

// Snaps every position of each design to open ground of its map's mask (root/gfx/game/maps/
// mapN_mask.png) and writes root/levels/level1.lev .. level16.lev. Positions become whole editor
// view units (× 1.28), so a level opened and saved in the editor keeps them. Without a mask the
// wanted positions are kept within the play field and a warning is printed. Throws
// std::runtime_error on failure.
void writeBuiltInLevels(const std::filesystem::path& root);

} // namespace content::data
