// Painted landscapes for the menu slideshow and the end screens: sky, light, clouds, layered
// hills, water, a tree, grass, flowers and floating bubbles, all from a seed.
#pragma once

#include "content/kit/art_kit.hpp"

#include <cstdint>

namespace content::screens {

struct Scenery {
    std::uint64_t seed = 1;
    art::Rgba skyTop, skyHorizon;
    enum class Light { none, sun, moon } light = Light::sun;
    double lightX = 700, lightY = 200, lightRadius = 50;
    art::Rgba lightColor{1, 0.95, 0.75, 1};
    bool stars = false;
    int clouds = 4;
    art::Rgba cloudColor{1, 1, 1, 0.85};
    double horizon = 430; // where the farthest hills stand
    int hillLayers = 4;
    art::Rgba hillFar, hillNear;
    bool water = false; // a pond in front of the hills
    art::Rgba waterColor{0.2, 0.4, 0.6, 1};
    int treeSide = 0; // -1 left, 1 right, 0 none
    art::Rgba foliage{0.25, 0.5, 0.2, 1};
    art::Rgba grass{0.2, 0.45, 0.15, 1};
    int grassBlades = 500;
    int flowers = 12;
    art::Rgba petal{1, 1, 1, 1};
    int bubbles = 6;
    int fireflies = 0;
    double mist = 0.15; // haze over the horizon, 0..1
    double vignette = 0.45;
};

// Paints the scenery over the whole w × h target of cr.
void paintScenery(cairo_t* cr, int w, int h, const Scenery& s);

} // namespace content::screens
