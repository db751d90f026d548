#include "game/shell/resource_catalogue.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

const CatalogueEntry* find(const std::vector<CatalogueEntry>& entries, const std::string& key) {
    auto it = std::find_if(entries.begin(), entries.end(),
                           [&](const CatalogueEntry& e) { return e.key == key; });
    return it == entries.end() ? nullptr : &*it;
}

TEST(ResourceCatalogue, HoldsThe342PicturesUnderUniqueKeysInLoadOrder) {
    const auto entries = textureCatalogue();
    ASSERT_EQ(entries.size(), 342u);
    std::set<std::string> keys;
    for (const auto& e : entries) {
        EXPECT_TRUE(keys.insert(e.key).second) << "duplicate key " << e.key;
        EXPECT_EQ(e.path.find('\\'), std::string::npos) << e.path;
        EXPECT_EQ(e.path.rfind("gfx/", 0), 0u) << e.path;
    }
    EXPECT_EQ(entries.front().key, "miravlogo1");
    EXPECT_EQ(entries.back().key, "mainmenu_infoback");
    // 17 sounds and the 342 pictures make the 359 redraws of the loading screen.
    EXPECT_EQ(entries.size() + 17, static_cast<std::size_t>(kLoadingSteps));
    EXPECT_EQ(kLoadingSteps, 359);
}

TEST(ResourceCatalogue, SpecialLoadParameters) {
    const auto entries = textureCatalogue();
    for (int n = 1; n <= 8; ++n) {
        const auto* mask = find(entries, "map" + std::to_string(n) + "_mask");
        ASSERT_TRUE(mask);
        EXPECT_EQ(mask->path, "gfx/game/maps/map" + std::to_string(n) + "_mask.png");
        EXPECT_EQ(mask->options.width, 1024);
        EXPECT_EQ(mask->options.height, 768);
        EXPECT_FALSE(mask->options.filtered);
        EXPECT_TRUE(mask->options.readPixels); // walls are read from it
        const auto* map = find(entries, "map" + std::to_string(n));
        ASSERT_TRUE(map);
        EXPECT_TRUE(map->options.filtered);
        EXPECT_EQ(map->options.width, -1);
    }
    const auto* text = find(entries, "map1_text_en");
    ASSERT_TRUE(text);
    EXPECT_EQ(text->options.width, 800);
    EXPECT_EQ(text->options.height, 632);
    EXPECT_EQ(find(entries, "map2_text_en")->options.width, -1);
    const auto* moon = find(entries, "levelobject_moon");
    ASSERT_TRUE(moon);
    EXPECT_EQ(moon->path, "gfx/game/levelobjects/moon.bmp");
    EXPECT_TRUE(moon->options.magentaColorKey);
    EXPECT_FALSE(find(entries, "levelobject_sun")->options.magentaColorKey);
    // Only the masks are read: the window keeps every other picture on the card alone.
    EXPECT_EQ(std::count_if(entries.begin(), entries.end(),
                            [](const CatalogueEntry& e) { return e.options.readPixels; }),
              8);
}

TEST(ResourceCatalogue, NamesBuiltFromParts) {
    const auto entries = textureCatalogue();
    EXPECT_EQ(find(entries, "game_pause_s2_en")->path, "gfx/game/panel/pause_s2_en.dds");
    EXPECT_EQ(find(entries, "hornet_m7")->path, "gfx/game/hornet/hornet_m7.dds");
    EXPECT_FALSE(find(entries, "hornet_m8"));
    EXPECT_EQ(find(entries, "mainmenu_en03_02_17")->path, "gfx/menu/en/mm_03_02_17.dds");
    // The progress-saved choice in both languages.
    EXPECT_EQ(find(entries, "gamescreen_save_en_s1")->path, "gfx/game/screens/save_en_s1.dds");
}

TEST(ResourceCatalogue, BackRowsShareTheBackPicture) {
    const auto entries = textureCatalogue();
    for (const char* language : {"cz", "en"}) {
        const std::string back = std::string("gfx/menu/") + language + "/mm_04_05.dds";
        for (const char* id : {"01_04", "02_04", "03_04", "01_02_04", "04_05"}) {
            const auto* e = find(entries, std::string("mainmenu_") + language + id);
            ASSERT_TRUE(e) << id;
            EXPECT_EQ(e->path, back);
        }
    }
    const auto count = std::count_if(entries.begin(), entries.end(), [](const CatalogueEntry& e) {
        return e.key.rfind("mainmenu_cz", 0) == 0;
    });
    EXPECT_EQ(count, 52);
}

TEST(ResourceCatalogue, LoadingScreenAndFonts) {
    const auto loading = loadingScreenTextures();
    ASSERT_EQ(loading.size(), 4u);
    EXPECT_EQ(loading[3].key, "white");
    EXPECT_EQ(loading[1].path, "gfx/intro/loadingline.bmp");
    EXPECT_EQ(loadingBackground(7).key, "mainmenu_back_7");
    EXPECT_EQ(loadingBackground(7).path, "gfx/menu/backgrounds/back_7.jpg");
    const auto fonts = gameFonts();
    ASSERT_EQ(fonts.size(), 5u);
    EXPECT_EQ(fonts[1].key, "panel_font");
    EXPECT_EQ(fonts[1].face, "Impact");
    EXPECT_EQ(fonts[1].size, 26);
    EXPECT_TRUE(fonts[1].style.bold);
    EXPECT_EQ(loadingFont().face, "Arial");
}

} // namespace
