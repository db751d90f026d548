// Where insects may start on a map: read from the map's mask, walls are opaque red. Level
// positions are snapped to the nearest spot with room around it, so no fly or enemy starts in
// or against a wall, off the play field or near the gravitation point.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

namespace content::data {

struct Spot {
    double x = 0;
    double y = 0;
};

struct Placement {
    double clearance = 60;      // free radius around the spot, px
    Spot avoid;                 // the gravitation point
    double avoidDistance = 100; // at least this far from it
    std::vector<Spot> others;   // insects placed before
    double othersDistance = 0;  // kept from each of them where the map allows
};

class Ground {
  public:
    // Reads an ARGB mask of 1024 × 768 (any other size fails); nullopt when it cannot be read.
    static std::optional<Ground> fromMask(const std::filesystem::path& maskPng);
    // Open ground everywhere (no mask yet): only the play field's edges count as walls.
    static Ground open();

    // Distance from (x, y) to the nearest wall or the play field's edge (x = 860 on the right).
    double clearance(int x, int y) const;
    // Whether (x, y) is in the largest region the fly can roam.
    bool inMainRegion(int x, int y) const;

    // The spot nearest `wanted` that satisfies the placement and lies in the main region; on a
    // crowded map the distance to the others and then the clearance (down to 24 px) are
    // relaxed step by step. nullopt when no spot fits even then.
    std::optional<Spot> snap(Spot wanted, const Placement& placement) const;

    static constexpr int kWidth = 1024;
    static constexpr int kHeight = 768;
    static constexpr int kFieldRight = 860; // the side panel covers the rest

  private:
    Ground(std::vector<std::uint8_t> wall);
    bool markMainRegion(float room); // false when no point has that much room
    std::optional<Spot> nearestSpot(Spot wanted, const Placement& placement, double room,
                                    double apart) const;
    std::size_t index(int x, int y) const {
        return static_cast<std::size_t>(y) * kWidth + static_cast<std::size_t>(x);
    }

    std::vector<float> clearance_;     // px to the nearest wall
    std::vector<std::uint8_t> region_; // 1 in the main region
};

} // namespace content::data
