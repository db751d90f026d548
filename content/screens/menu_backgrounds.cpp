// The fifteen pictures of the main menu's slideshow: one meadow world through a day, a year
// and a few moods, painted from presets of the scenery painter.
#include "content/kit/image_files.hpp"
#include "content/screens/scenery.hpp"
#include "content/screens/style.hpp"

#include <string>
#include <vector>

namespace content::screens {

using art::hex;

namespace {

std::vector<Scenery> slideshow() {
    std::vector<Scenery> v;
    Scenery s;
    // 1 bright morning meadow
    s = {};
    s.seed = 1;
    s.skyTop = hex(0x3a7bd5);
    s.skyHorizon = hex(0xcfe8ff);
    s.lightX = 820, s.lightY = 150;
    s.hillFar = hex(0x6f9fc0), s.hillNear = hex(0x4f9a3a);
    s.grass = hex(0x3f8a2a), s.petal = hex(0xffffff), s.flowers = 14;
    v.push_back(s);
    // 2 sunset over the hills
    s = {};
    s.seed = 2;
    s.skyTop = hex(0x2b2d6e);
    s.skyHorizon = hex(0xffa25c);
    s.lightX = 640, s.lightY = 400, s.lightRadius = 60, s.lightColor = hex(0xffc46b);
    s.cloudColor = hex(0xff9d7a, 0.8);
    s.hillFar = hex(0x8a4a6a), s.hillNear = hex(0x2c2a3a);
    s.grass = hex(0x2d3a22), s.petal = hex(0xff8a5c), s.flowers = 6, s.bubbles = 5;
    v.push_back(s);
    // 3 moonlit night with fireflies
    s = {};
    s.seed = 3;
    s.skyTop = hex(0x050b1f);
    s.skyHorizon = hex(0x243c6b);
    s.light = Scenery::Light::moon, s.lightX = 300, s.lightY = 150, s.lightRadius = 46;
    s.lightColor = hex(0xbcd0ff);
    s.stars = true, s.clouds = 2, s.cloudColor = hex(0x5a6a90, 0.5);
    s.hillFar = hex(0x1b2a4a), s.hillNear = hex(0x0d1526);
    s.grass = hex(0x14261a), s.flowers = 0, s.fireflies = 26, s.bubbles = 3, s.mist = 0.15;
    v.push_back(s);
    // 4 garden with a big tree
    s = {};
    s.seed = 4;
    s.skyTop = hex(0x4d8fe0);
    s.skyHorizon = hex(0xe2f1ff);
    s.lightX = 220, s.lightY = 110;
    s.hillFar = hex(0x7aa6b8), s.hillNear = hex(0x5ca043);
    s.treeSide = 1, s.foliage = hex(0x3f8f35);
    s.grass = hex(0x4a9a30), s.petal = hex(0xff5a7a), s.flowers = 16;
    v.push_back(s);
    // 5 pond at noon
    s = {};
    s.seed = 5;
    s.skyTop = hex(0x2f6fc9);
    s.skyHorizon = hex(0xbfe3f5);
    s.lightX = 520, s.lightY = 120, s.water = true, s.waterColor = hex(0x2a6f8f);
    s.horizon = 400, s.hillLayers = 3;
    s.hillFar = hex(0x7fa6c8), s.hillNear = hex(0x3f7a3a);
    s.grass = hex(0x356f28), s.grassBlades = 320, s.flowers = 4, s.petal = hex(0xfff2a0);
    v.push_back(s);
    // 6 misty dawn
    s = {};
    s.seed = 6;
    s.skyTop = hex(0x7d8fb8);
    s.skyHorizon = hex(0xffd9c2);
    s.lightX = 180, s.lightY = 390, s.lightRadius = 44, s.lightColor = hex(0xffd0a0);
    s.clouds = 2, s.mist = 0.55, s.hillLayers = 5;
    s.hillFar = hex(0xa8a0c0), s.hillNear = hex(0x4a6a4a);
    s.grass = hex(0x3e5e38), s.petal = hex(0xe8d0ff), s.flowers = 8;
    v.push_back(s);
    // 7 poppy field in summer
    s = {};
    s.seed = 7;
    s.skyTop = hex(0x1f6fd0);
    s.skyHorizon = hex(0xaad8ff);
    s.lightX = 880, s.lightY = 90;
    s.hillFar = hex(0x7c9fb0), s.hillNear = hex(0x8aa640);
    s.grass = hex(0x6f8f2a), s.petal = hex(0xe0301e), s.flowers = 34, s.bubbles = 4;
    v.push_back(s);
    // 8 autumn afternoon
    s = {};
    s.seed = 8;
    s.skyTop = hex(0x5a86b8);
    s.skyHorizon = hex(0xf6ddb0);
    s.lightX = 760, s.lightY = 220, s.lightColor = hex(0xffd27a);
    s.hillFar = hex(0xb08a60), s.hillNear = hex(0x8a5a20);
    s.treeSide = -1, s.foliage = hex(0xd0741e);
    s.grass = hex(0x7a6a2a), s.petal = hex(0xffb020), s.flowers = 6;
    v.push_back(s);
    // 9 lavender dusk
    s = {};
    s.seed = 9;
    s.skyTop = hex(0x3b2a6b);
    s.skyHorizon = hex(0xf0a0c0);
    s.lightX = 480, s.lightY = 420, s.lightRadius = 40, s.lightColor = hex(0xffc0a0);
    s.cloudColor = hex(0xd890c0, 0.7), s.stars = true;
    s.hillFar = hex(0x7a5a9a), s.hillNear = hex(0x4a3a6a);
    s.grass = hex(0x4a3f6a), s.petal = hex(0xb68cff), s.flowers = 30, s.fireflies = 8;
    v.push_back(s);
    // 10 cherry blossom spring
    s = {};
    s.seed = 10;
    s.skyTop = hex(0x6aa8e8);
    s.skyHorizon = hex(0xf4f0ff);
    s.lightX = 900, s.lightY = 140;
    s.hillFar = hex(0x9ab8d0), s.hillNear = hex(0x6aa850);
    s.treeSide = 1, s.foliage = hex(0xf2a0c0);
    s.grass = hex(0x5aa040), s.petal = hex(0xffd0e0), s.flowers = 18;
    v.push_back(s);
    // 11 starry lake
    s = {};
    s.seed = 11;
    s.skyTop = hex(0x030818);
    s.skyHorizon = hex(0x1a2f5a);
    s.light = Scenery::Light::moon, s.lightX = 760, s.lightY = 180, s.lightRadius = 36;
    s.lightColor = hex(0xc0d4ff), s.stars = true, s.clouds = 0;
    s.water = true, s.waterColor = hex(0x0f2040), s.horizon = 420, s.hillLayers = 3;
    s.hillFar = hex(0x18284a), s.hillNear = hex(0x0a1224);
    s.grass = hex(0x0e1a14), s.grassBlades = 260, s.flowers = 0, s.fireflies = 12, s.bubbles = 2;
    v.push_back(s);
    // 12 windy day with big clouds
    s = {};
    s.seed = 12;
    s.skyTop = hex(0x2a68b8);
    s.skyHorizon = hex(0xd8ecff);
    s.lightX = 400, s.lightY = 130, s.clouds = 9;
    s.hillFar = hex(0x6a94b8), s.hillNear = hex(0x3c8a4a);
    s.grass = hex(0x3a8040), s.petal = hex(0x80b0ff), s.flowers = 12, s.bubbles = 10;
    v.push_back(s);
    // 13 golden hour in the garden
    s = {};
    s.seed = 13;
    s.skyTop = hex(0x4a70b0);
    s.skyHorizon = hex(0xffd890);
    s.lightX = 160, s.lightY = 360, s.lightColor = hex(0xffc060);
    s.hillFar = hex(0xa09070), s.hillNear = hex(0x5a7a2a);
    s.treeSide = -1, s.foliage = hex(0x5a8a2a);
    s.grass = hex(0x6a7a20), s.petal = hex(0xfff0a0), s.flowers = 14;
    v.push_back(s);
    // 14 rainy-blue evening
    s = {};
    s.seed = 14;
    s.skyTop = hex(0x2a3a55);
    s.skyHorizon = hex(0x8fa6c0);
    s.light = Scenery::Light::none, s.clouds = 10, s.cloudColor = hex(0xb0bccc, 0.8);
    s.hillFar = hex(0x5a6a80), s.hillNear = hex(0x2a4038);
    s.grass = hex(0x28453a), s.petal = hex(0x9ad0ff), s.flowers = 6, s.bubbles = 12, s.mist = 0.4;
    v.push_back(s);
    // 15 high summer noon over the lake
    s = {};
    s.seed = 15;
    s.skyTop = hex(0x1560c8);
    s.skyHorizon = hex(0xa0e0ff);
    s.lightX = 700, s.lightY = 100, s.water = true, s.waterColor = hex(0x1a7a9a);
    s.horizon = 380, s.hillLayers = 3, s.treeSide = 1, s.foliage = hex(0x2f7f30);
    s.hillFar = hex(0x6a9ac0), s.hillNear = hex(0x2a6a2a);
    s.grass = hex(0x3a7a2a), s.grassBlades = 300, s.petal = hex(0xffffff), s.flowers = 6;
    v.push_back(s);
    return v;
}

} // namespace

void writeMenuBackgrounds(const Context& ctx) {
    const std::vector<Scenery> scenes = slideshow();
    for (size_t i = 0; i < scenes.size(); ++i) {
        art::Surface s = art::makeSurface(1024, 768);
        art::Context cr = art::makeContext(s);
        paintScenery(cr.get(), 1024, 768, scenes[i]);
        art::grain(s.get(), 0.025, 500 + i);
        saveJpeg(s.get(), gfx(ctx, "menu/backgrounds/back_" + std::to_string(i + 1) + ".jpg"), 90);
    }
}

} // namespace content::screens
