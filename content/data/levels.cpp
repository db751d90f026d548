#include "content/data/levels.hpp"

#include "content/data/ground.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <stdexcept>

namespace content::data {

namespace {

constexpr int kWasp = 1, kGnat = 2, kDragonfly = 3, kHornet = 4;

// The fly starts well clear of the pull; enemies may wander closer.
constexpr double kFlyFromGravitation = 170;
constexpr double kEnemyFromGravitation = 130;
constexpr double kInsectsApart = 150;

// Whole editor view units, back in play-field pixels.
float onViewGrid(double fieldPixels) {
    const double view = std::nearbyint(fieldPixels / common::kViewToField);
    return static_cast<float>(view * common::kViewToField);
}

} // namespace

double flyClearance() {
    return 58;
}

double enemyClearance(int kind) {
    // Half the sprite's larger side less the transparent rim, plus a margin.
    switch (kind) {
    case kWasp:
        return 52;
    case kGnat:
        return 46;
    case kDragonfly:
        return 80;
    case kHornet:
        return 82;
    default:
        return 60;
    }
}

std::vector<LevelDesign> builtInLevelDesigns() {
    // Bubbles and time grow together, about 4.5 s a bubble at first and 3.4 s at the end;
    // enemies go from two slow dragonflies (the tutorial shows them) to ten of all kinds.
    return {
        {1, 200, 200, 10, 2, 0, {{kDragonfly, 700, 150, 200}, {kDragonfly, 680, 650, 300}}},
        {1, 150, 380, 15, 1, 45, {{kDragonfly, 700, 200, 225}, {kWasp, 650, 650, 315}}},
        {2, 150, 150, 15, 1, 40, {{kWasp, 450, 650, 45}, {kWasp, 780, 650, 300}}},
        {2,
         200,
         600,
         20,
         1,
         50,
         {{kWasp, 500, 120, 135}, {kWasp, 780, 150, 200}, {kDragonfly, 400, 400, 90}}},
        {3,
         150,
         150,
         20,
         1,
         45,
         {{kGnat, 700, 150, 270}, {kWasp, 300, 650, 45}, {kWasp, 500, 350, 180}}},
        {3,
         150,
         400,
         25,
         2,
         0,
         {{kGnat, 750, 120, 225},
          {kGnat, 450, 700, 0},
          {kWasp, 400, 150, 135},
          {kDragonfly, 300, 620, 90}}},
        {4,
         150,
         150,
         25,
         1,
         55,
         {{kHornet, 750, 650, 315},
          {kWasp, 700, 150, 225},
          {kWasp, 150, 650, 45},
          {kDragonfly, 450, 150, 180}}},
        {4,
         780,
         120,
         30,
         2,
         10,
         {{kHornet, 120, 650, 45},
          {kGnat, 150, 150, 135},
          {kGnat, 750, 650, 315},
          {kWasp, 450, 700, 0},
          {kWasp, 250, 400, 90}}},
        {5,
         700,
         150,
         30,
         2,
         5,
         {{kHornet, 300, 150, 135},
          {kHornet, 750, 650, 0},
          {kWasp, 450, 400, 270},
          {kWasp, 250, 680, 45},
          {kDragonfly, 600, 450, 200}}},
        {5,
         450,
         120,
         35,
         2,
         20,
         {{kHornet, 750, 650, 315},
          {kHornet, 300, 680, 45},
          {kGnat, 780, 200, 225},
          {kGnat, 150, 150, 135},
          {kWasp, 500, 450, 90},
          {kWasp, 650, 350, 270}}},
        {6,
         150,
         150,
         35,
         2,
         15,
         {{kHornet, 750, 650, 315},
          {kGnat, 750, 150, 225},
          {kGnat, 150, 700, 45},
          {kWasp, 450, 250, 90},
          {kWasp, 650, 400, 180},
          {kDragonfly, 150, 400, 90}}},
        {6,
         750,
         150,
         40,
         2,
         30,
         {{kHornet, 150, 650, 45},
          {kHornet, 650, 680, 315},
          {kGnat, 150, 150, 135},
          {kGnat, 450, 150, 180},
          {kWasp, 300, 350, 90},
          {kWasp, 600, 400, 270},
          {kWasp, 750, 550, 0}}},
        {7,
         150,
         650,
         40,
         2,
         25,
         {{kHornet, 750, 150, 225},
          {kHornet, 150, 120, 135},
          {kGnat, 750, 650, 315},
          {kGnat, 450, 700, 0},
          {kWasp, 300, 300, 90},
          {kWasp, 650, 400, 270},
          {kDragonfly, 450, 150, 180},
          {kDragonfly, 750, 400, 270}}},
        {7,
         750,
         680,
         45,
         2,
         40,
         {{kHornet, 150, 150, 135},
          {kHornet, 150, 650, 45},
          {kGnat, 750, 150, 225},
          {kGnat, 450, 120, 180},
          {kGnat, 300, 700, 0},
          {kWasp, 250, 400, 90},
          {kWasp, 650, 300, 270},
          {kWasp, 450, 600, 0}}},
        {8,
         150,
         150,
         45,
         2,
         35,
         {{kHornet, 750, 650, 315},
          {kHornet, 150, 680, 45},
          {kGnat, 750, 150, 225},
          {kGnat, 450, 120, 180},
          {kWasp, 300, 350, 90},
          {kWasp, 650, 350, 270},
          {kWasp, 550, 700, 0},
          {kDragonfly, 200, 450, 90},
          {kDragonfly, 750, 450, 270}}},
        {8,
         450,
         150,
         50,
         2,
         50,
         {{kHornet, 750, 650, 315},
          {kHornet, 150, 650, 45},
          {kGnat, 750, 150, 225},
          {kGnat, 150, 150, 135},
          {kGnat, 450, 700, 0},
          {kWasp, 300, 350, 90},
          {kWasp, 650, 350, 270},
          {kWasp, 250, 520, 45},
          {kWasp, 650, 520, 315},
          {kDragonfly, 450, 330, 180}}},
    };
}

namespace {

common::LevelRecord placeOnGround(const LevelDesign& design, const Ground& ground,
                                  std::string& note) {
    const common::GravitationPoint g = common::gravitationPoint(design.map);
    const Spot gravitation{static_cast<double>(g.x), static_cast<double>(g.y)};
    common::LevelRecord level;
    level.userLevelFile = false;
    level.map = static_cast<std::int16_t>(design.map);
    level.bubbles = static_cast<std::int16_t>(design.bubbles);
    level.minutes = static_cast<std::int16_t>(design.minutes);
    level.seconds = static_cast<std::int16_t>(design.seconds);

    std::vector<Spot> placed;
    auto place = [&](Spot wanted, double clearance, double fromGravitation) {
        Placement rule{clearance, gravitation, fromGravitation, placed, kInsectsApart};
        const std::optional<Spot> spot = ground.snap(wanted, rule);
        if (!spot)
            throw std::runtime_error("map " + std::to_string(design.map) +
                                     " has no open ground for a start position");
        if (std::hypot(spot->x - wanted.x, spot->y - wanted.y) > 1)
            note += " moved (" + std::to_string(static_cast<int>(wanted.x)) + "," +
                    std::to_string(static_cast<int>(wanted.y)) + ")->(" +
                    std::to_string(static_cast<int>(spot->x)) + "," +
                    std::to_string(static_cast<int>(spot->y)) + ")";
        placed.push_back(*spot);
        return Spot{onViewGrid(spot->x), onViewGrid(spot->y)};
    };

    const Spot fly = place({design.flyX, design.flyY}, flyClearance(), kFlyFromGravitation);
    level.flyX = static_cast<float>(fly.x);
    level.flyY = static_cast<float>(fly.y);
    level.enemyCount = static_cast<std::int16_t>(design.enemies.size());
    for (std::size_t i = 0; i < design.enemies.size(); ++i) {
        const EnemyDesign& e = design.enemies[i];
        const Spot spot = place({e.x, e.y}, enemyClearance(e.kind), kEnemyFromGravitation);
        level.enemies[i] = {static_cast<std::int16_t>(e.kind), static_cast<float>(spot.x),
                            static_cast<float>(spot.y), static_cast<std::int16_t>(e.angle)};
    }
    return level;
}

std::filesystem::path maskPath(const std::filesystem::path& root, int map) {
    return root / "gfx" / "game" / "maps" / ("map" + std::to_string(map) + "_mask.png");
}

} // namespace

void writeBuiltInLevels(const std::filesystem::path& root) {
    const std::vector<LevelDesign> designs = builtInLevelDesigns();
    std::map<int, Ground> grounds; // each mask is read once for its two levels
    std::filesystem::create_directories(root / "levels" / "user");
    for (std::size_t i = 0; i < designs.size(); ++i) {
        const LevelDesign& design = designs[i];
        auto it = grounds.find(design.map);
        if (it == grounds.end()) {
            std::optional<Ground> ground = Ground::fromMask(maskPath(root, design.map));
            if (!ground)
                std::fprintf(stderr,
                             "brimzel-content: no usable mask for map %d, level positions "
                             "are not checked against walls\n",
                             design.map);
            it = grounds.emplace(design.map, ground ? std::move(*ground) : Ground::open()).first;
        }
        std::string note;
        const common::LevelRecord level = placeOnGround(design, it->second, note);
        const int number = static_cast<int>(i) + 1;
        const common::Status written =
            common::writeBuiltInLevelFile(common::levelFilePath(root, number, false), level);
        if (!written)
            throw std::runtime_error(written.message());
        if (!note.empty() && std::getenv("BRIMZEL_CONTENT_VERBOSE"))
            std::fprintf(stderr, "level %d:%s\n", number, note.c_str());
    }
}

} // namespace content::data
