// The play-field pictures of the generated tree: maps and masks that agree and can be played,
// sprites at their drawn sizes, and the panel, tutorial and level-object pictures.
#include "engine/image_file.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <string>
#include <vector>

namespace {

const std::filesystem::path gameDir = std::filesystem::path(BRIMZEL_TREE) / "gfx" / "game";

constexpr std::uint32_t red = 0xFFFF0000, yellow = 0xFFFFFF00;
constexpr int fieldRight = 860, width = 1024, height = 768;

struct GravityPoint {
    int x, y;
};
// The fixed gravitation point every level of a map carries.
constexpr std::array<GravityPoint, 8> gravity{{{412, 504},
                                               {686, 354},
                                               {711, 513},
                                               {488, 440},
                                               {84, 487},
                                               {370, 514},
                                               {442, 385},
                                               {412, 504}}};

engine::Image load(const std::filesystem::path& path) {
    engine::Image image;
    std::string error;
    EXPECT_TRUE(engine::loadImageFile(path.string(), image, error)) << path << ": " << error;
    return image;
}

engine::Image mask(int map) {
    return load(gameDir / "maps" / ("map" + std::to_string(map) + "_mask.png"));
}

std::uint32_t at(const engine::Image& im, int x, int y) {
    return im.pixels[static_cast<size_t>(y) * im.width + x];
}

std::uint8_t alphaAt(const engine::Image& im, int x, int y) {
    return at(im, x, y) >> 24;
}

// City-block distance from every pixel to the nearest pixel where `from` is set (breadth first).
std::vector<int> distanceFrom(const std::vector<bool>& from, int w, int h) {
    std::vector<int> dist(from.size(), -1);
    std::deque<int> queue;
    for (size_t i = 0; i < from.size(); ++i)
        if (from[i]) {
            dist[i] = 0;
            queue.push_back(static_cast<int>(i));
        }
    while (!queue.empty()) {
        const int i = queue.front();
        queue.pop_front();
        const int x = i % w, y = i / w;
        const int next[4][2] = {{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}};
        for (auto [nx, ny] : next) {
            if (nx < 0 || ny < 0 || nx >= w || ny >= h)
                continue;
            const int j = ny * w + nx;
            if (dist[j] < 0) {
                dist[j] = dist[i] + 1;
                queue.push_back(j);
            }
        }
    }
    return dist;
}

// Number of 4-connected regions of the set pixels.
int regions(const std::vector<bool>& set, int w, int h) {
    std::vector<bool> seen(set.size());
    int count = 0;
    for (size_t start = 0; start < set.size(); ++start) {
        if (!set[start] || seen[start])
            continue;
        ++count;
        std::deque<int> queue{static_cast<int>(start)};
        seen[start] = true;
        while (!queue.empty()) {
            const int i = queue.front();
            queue.pop_front();
            const int x = i % w, y = i / w;
            const int next[4][2] = {{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}};
            for (auto [nx, ny] : next) {
                if (nx < 0 || ny < 0 || nx >= w || ny >= h)
                    continue;
                const int j = ny * w + nx;
                if (set[j] && !seen[j]) {
                    seen[j] = true;
                    queue.push_back(j);
                }
            }
        }
    }
    return count;
}

class MapTest : public ::testing::TestWithParam<int> {};

TEST_P(MapTest, PictureAndMaskHaveTheFieldSize) {
    const int map = GetParam();
    const engine::Image picture = load(gameDir / "maps" / ("map" + std::to_string(map) + ".jpg"));
    const engine::Image m = mask(map);
    EXPECT_EQ(picture.width, width);
    EXPECT_EQ(picture.height, height);
    EXPECT_EQ(m.width, width);
    EXPECT_EQ(m.height, height);
}

TEST_P(MapTest, MaskHoldsOnlyExactColoursAndThePanelIsWall) {
    const engine::Image m = mask(GetParam());
    ASSERT_EQ(m.pixels.size(), static_cast<size_t>(width) * height);
    size_t open = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const std::uint32_t p = at(m, x, y);
            ASSERT_TRUE(p == red || p == yellow || p == 0xFF000000 || p == 0xFF008000)
                << "stray colour " << std::hex << p << " at " << std::dec << x << "," << y;
            if (x >= fieldRight) {
                ASSERT_EQ(p, red) << "panel pixel " << x << "," << y;
            }
            open += p == yellow;
        }
    // Bubbles must find room: most of the field is bubble ground.
    EXPECT_GT(open, static_cast<size_t>(fieldRight * height) / 3);
}

TEST_P(MapTest, GravitationPointLiesInOpenGroundWithRoomAround) {
    const int map = GetParam();
    const engine::Image m = mask(map);
    const GravityPoint g = gravity[map - 1];
    // The fly (about 100 px across) must be able to circle the 70 px drain zone; only the screen
    // border may cut into that ring.
    const int room = 125;
    for (int y = std::max(0, g.y - room); y <= std::min(height - 1, g.y + room); ++y)
        for (int x = std::max(0, g.x - room); x <= std::min(width - 1, g.x + room); ++x) {
            const double d = std::hypot(x - g.x, y - g.y);
            if (d <= room) {
                ASSERT_NE(at(m, x, y), red)
                    << "wall " << d << " px from the point at " << x << "," << y;
            }
            // No bubble lies where collecting it would drain energy.
            if (d <= 90) {
                ASSERT_NE(at(m, x, y), yellow) << "bubble ground " << d << " px from the point";
            }
        }
}

TEST_P(MapTest, EveryOpenPixelBelongsToOneConnectedField) {
    const engine::Image m = mask(GetParam());
    std::vector<bool> passable(m.pixels.size());
    for (size_t i = 0; i < passable.size(); ++i)
        passable[i] = m.pixels[i] != red;
    EXPECT_EQ(regions(passable, width, height), 1);
}

TEST_P(MapTest, TheFlyCanReachEveryBubbleSpot) {
    const int map = GetParam();
    const engine::Image m = mask(map);
    std::vector<bool> blocked(m.pixels.size());
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            blocked[static_cast<size_t>(y) * width + x] = at(m, x, y) == red;
    const std::vector<int> clearance = distanceFrom(blocked, width, height);
    // Where the fly's centre can be: clear of walls by its half width, inside the borders.
    std::vector<bool> centre(m.pixels.size());
    for (int y = 40; y < height - 40; ++y)
        for (int x = 50; x < fieldRight - 50; ++x) {
            const size_t i = static_cast<size_t>(y) * width + x;
            centre[i] = clearance[i] >= 56;
        }
    EXPECT_EQ(regions(centre, width, height), 1) << "the fly's room falls apart";
    const GravityPoint g = gravity[map - 1];
    EXPECT_TRUE(centre[static_cast<size_t>(g.y) * width + g.x] || g.x < 50);
    // A bubble is taken with the fly's front, about 40 px ahead of its centre.
    const std::vector<int> reach = distanceFrom(centre, width, height);
    for (int y = 0; y < 668; ++y)
        for (int x = 0; x < 760; ++x)
            if (at(m, x, y) == yellow) {
                ASSERT_LE(reach[static_cast<size_t>(y) * width + x], 56)
                    << "bubble spot out of reach at " << x << "," << y;
            }
}

INSTANTIATE_TEST_SUITE_P(Maps, MapTest, ::testing::Range(1, 9));

TEST(GameplayArt, MapsDiffer) {
    const engine::Image a = load(gameDir / "maps" / "map1.jpg");
    const engine::Image b = load(gameDir / "maps" / "map8.jpg");
    ASSERT_EQ(a.pixels.size(), b.pixels.size());
    EXPECT_NE(a.pixels, b.pixels);
}

struct SpriteKind {
    const char* name;
    int frames, width, height;
};

TEST(GameplayArt, SpritesHaveTheirDrawnSizeAndAnimate) {
    const SpriteKind kinds[] = {{"fly", 4, 100, 80},
                                {"wasp", 5, 120, 80},
                                {"gnat", 5, 100, 80},
                                {"dragonfly", 5, 200, 150},
                                {"hornet", 7, 200, 152}};
    for (const SpriteKind& k : kinds) {
        std::vector<engine::Image> frames;
        for (int f = 1; f <= k.frames; ++f) {
            const auto path =
                gameDir / k.name / (std::string(k.name) + "_m" + std::to_string(f) + ".dds");
            frames.push_back(load(path));
            const engine::Image& im = frames.back();
            ASSERT_EQ(im.width, k.width) << path;
            ASSERT_EQ(im.height, k.height) << path;
            // Transparent around the body, solid at its centre.
            for (auto [x, y] : {std::pair{0, 0},
                                {k.width - 1, 0},
                                {0, k.height - 1},
                                {k.width - 1, k.height - 1}})
                EXPECT_EQ(alphaAt(im, x, y), 0) << path << " corner";
            EXPECT_EQ(alphaAt(im, k.width / 2, k.height / 2), 255) << path << " centre";
            // Nothing is cut off at the frame's edge.
            int edge = 0;
            for (int x = 0; x < k.width; ++x)
                edge = std::max({edge, +alphaAt(im, x, 0), +alphaAt(im, x, k.height - 1)});
            for (int y = 0; y < k.height; ++y)
                edge = std::max({edge, +alphaAt(im, 0, y), +alphaAt(im, k.width - 1, y)});
            EXPECT_LT(edge, 100) << path << " is cut off at its edge";
        }
        for (size_t f = 1; f < frames.size(); ++f)
            EXPECT_NE(frames[f].pixels, frames[f - 1].pixels) << k.name << " frame " << f + 1;
    }
}

TEST(GameplayArt, BubbleHalvesMakeTheWholeBubble) {
    const engine::Image whole = load(gameDir / "bubble" / "bubble.dds");
    const engine::Image left = load(gameDir / "bubble" / "bubble_l.dds");
    const engine::Image right = load(gameDir / "bubble" / "bubble_r.dds");
    for (const engine::Image* im : {&whole, &left, &right}) {
        ASSERT_EQ(im->width, 36);
        ASSERT_EQ(im->height, 36);
    }
    for (int y = 0; y < 36; ++y)
        for (int x = 0; x < 36; ++x) {
            const engine::Image& half = x < 18 ? left : right;
            const engine::Image& other = x < 18 ? right : left;
            EXPECT_EQ(at(half, x, y), at(whole, x, y)) << x << "," << y;
            EXPECT_EQ(alphaAt(other, x, y), 0) << x << "," << y;
        }
}

TEST(GameplayArt, PanelPicturesHaveTheirDrawnSizes) {
    struct Sized {
        const char* path;
        int width, height;
    };
    const Sized pictures[] = {{"panel/panel.dds", 160, 768},
                              {"panel/alert.dds", 192, 768},
                              {"panel/pausepanel.dds", 320, 200},
                              {"panel/panel_bubble.dds", 36, 36},
                              {"panel/panel_fly.dds", 92, 44},
                              {"panel/panel_quelbalogo.dds", 108, 60},
                              {"bubble/bubble_mini.dds", 18, 18},
                              {"bubble/healthbubble.dds", 36, 36},
                              {"levelobjects/moon.bmp", 144, 144},
                              {"levelobjects/sun.dds", 156, 156},
                              {"levelobjects/tree.dds", 508, 336},
                              {"levelobjects/light.dds", 544, 600},
                              {"levelobjects/conveyer_u.dds", 2048, 24},
                              {"levelobjects/conveyer_d.dds", 2048, 24},
                              {"levelobjects/wheel.dds", 36, 32},
                              {"levelobjects/bottle.dds", 44, 104}};
    for (const Sized& p : pictures) {
        const engine::Image im = load(gameDir / p.path);
        EXPECT_EQ(im.width, p.width) << p.path;
        EXPECT_EQ(im.height, p.height) << p.path;
    }
    for (const char* lang : {"cz", "en"}) {
        std::vector<engine::Image> choices;
        for (int s = 1; s <= 3; ++s) {
            choices.push_back(
                load(gameDir / "panel" / ("pause_s" + std::to_string(s) + "_" + lang + ".dds")));
            EXPECT_EQ(choices.back().width, 296);
            EXPECT_EQ(choices.back().height, 180);
        }
        EXPECT_NE(choices[0].pixels, choices[1].pixels);
        EXPECT_NE(choices[1].pixels, choices[2].pixels);
        for (int step = 1; step <= 5; ++step) {
            const engine::Image im =
                load(gameDir / "tutorial" /
                     ("tutorialpanel_" + std::string(lang) + "_" + std::to_string(step) + ".dds"));
            EXPECT_EQ(im.width, 320);
            EXPECT_EQ(im.height, 200);
        }
    }
}

TEST(GameplayArt, TheSidePanelIsOpaque) {
    const engine::Image panel = load(gameDir / "panel" / "panel.dds");
    for (std::uint32_t p : panel.pixels)
        ASSERT_EQ(p >> 24, 0xFFu);
}

TEST(GameplayArt, MoonKeysOutItsBackgroundWithPureMagenta) {
    const engine::Image moon = load(gameDir / "levelobjects" / "moon.bmp");
    ASSERT_EQ(moon.width, 144);
    EXPECT_EQ(at(moon, 0, 0) & 0xFFFFFF, 0xFF00FFu);
    EXPECT_EQ(at(moon, 143, 143) & 0xFFFFFF, 0xFF00FFu);
    EXPECT_NE(at(moon, 72, 72) & 0xFFFFFF, 0xFF00FFu);
    // No pink fringe: every pixel is either the key or far from it.
    for (std::uint32_t p : moon.pixels) {
        const int r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
        if ((p & 0xFFFFFF) != 0xFF00FF) {
            ASSERT_FALSE(r > 180 && b > 180 && g < 90) << std::hex << p;
        }
    }
}

TEST(GameplayArt, NoBubbleHidesUnderTheForegroundTreeOrOnTheBelt) {
    const engine::Image tree = load(gameDir / "levelobjects" / "tree.dds");
    const engine::Image garden = mask(2);
    for (int y = 0; y < tree.height; ++y)
        for (int x = 0; x < tree.width; ++x)
            if (at(garden, x, y + 432) == yellow) {
                ASSERT_LT(alphaAt(tree, x, y), 128)
                    << "bubble under the tree at " << x << "," << y + 432;
            }
    // The crown is whole: nothing is cut off at the picture's top or right edge.
    for (int x = 0; x < tree.width; ++x)
        ASSERT_LT(alphaAt(tree, x, 0), 100) << "tree cut off at the top, x " << x;
    for (int y = 0; y < tree.height; ++y)
        ASSERT_LT(alphaAt(tree, tree.width - 1, y), 100) << "tree cut off at the side, y " << y;
    // Where the tree's trunk stands the fly stops.
    EXPECT_EQ(at(garden, 236, 700), red);
    const engine::Image factory = mask(7);
    for (int y = 199; y < 351; ++y)
        for (int x = 0; x < fieldRight; ++x)
            ASSERT_NE(at(factory, x, y), yellow) << "bubble on the belt at " << x << "," << y;
}

} // namespace

namespace {

TEST(GameplayArt, BeltsRepeatEveryScreenWidthSoTheirResetIsInvisible) {
    // The game shifts each belt by up to 1024 px and then jumps it back by 1024.
    for (const char* name : {"conveyer_u", "conveyer_d"}) {
        const engine::Image belt = load(gameDir / "levelobjects" / (std::string(name) + ".dds"));
        ASSERT_EQ(belt.width, 2048);
        for (int y = 0; y < belt.height; ++y)
            for (int x = 0; x < 1024; ++x) {
                ASSERT_EQ(at(belt, x, y), at(belt, x + 1024, y)) << name << " at " << x << "," << y;
            }
    }
}

TEST(GameplayArt, OverlaysLetThePlayFieldShowThrough) {
    // The light cone, the alert and the level objects are drawn over the map.
    const engine::Image light = load(gameDir / "levelobjects" / "light.dds");
    for (std::uint32_t p : light.pixels)
        ASSERT_LT(p >> 24, 200u) << "the light cone hides the room";
    const engine::Image alert = load(gameDir / "panel" / "alert.dds");
    EXPECT_EQ(alphaAt(alert, 0, 384), 0);
    EXPECT_EQ(alphaAt(alert, alert.width - 1, 384), 0);
    for (const char* path :
         {"levelobjects/sun.dds", "levelobjects/wheel.dds", "levelobjects/bottle.dds",
          "panel/panel_bubble.dds", "panel/panel_fly.dds", "panel/panel_quelbalogo.dds",
          "panel/pause_s1_en.dds", "bubble/healthbubble.dds"}) {
        const engine::Image im = load(gameDir / path);
        EXPECT_EQ(alphaAt(im, 0, 0), 0) << path;
        EXPECT_EQ(alphaAt(im, im.width - 1, im.height - 1), 0) << path;
    }
    // The bottle stands on the belt: its glass base fills the bottom row.
    const engine::Image bottle = load(gameDir / "levelobjects" / "bottle.dds");
    EXPECT_GT(alphaAt(bottle, 22, bottle.height - 1), 150);
}

TEST(GameplayArt, EveryTutorialPageIsItsOwn) {
    std::vector<engine::Image> pages;
    for (const char* lang : {"cz", "en"})
        for (int step = 1; step <= 5; ++step)
            pages.push_back(
                load(gameDir / "tutorial" /
                     ("tutorialpanel_" + std::string(lang) + "_" + std::to_string(step) + ".dds")));
    for (size_t a = 0; a < pages.size(); ++a)
        for (size_t b = a + 1; b < pages.size(); ++b)
            EXPECT_NE(pages[a].pixels, pages[b].pixels) << "pages " << a << " and " << b;
}

} // namespace
