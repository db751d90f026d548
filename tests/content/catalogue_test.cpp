// The generated tree holds every picture the game loads at start-up, in the format its
// extension names and at the sizes the game relies on, plus the loading-screen pictures, the
// menu's help texts, the editor's icon and the folders the programs write into.
#include "common/text_lines.hpp"
#include "tree_files.hpp"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

using namespace tree_files;

struct Entry {
    std::string key;
    std::string file; // below the tree's root
    int width = -1;   // -1: any
    int height = -1;
};

// The textures in the game's load order.
std::vector<Entry> catalogue() {
    std::vector<Entry> list;
    auto add = [&](std::string key, std::string file, int w = -1, int h = -1) {
        list.push_back({std::move(key), std::move(file), w, h});
    };
    for (const char* name : {"miravlogo1", "miravlogo2", "miravlogo3", "quelbalogo"})
        add(name, std::string("gfx/intro/") + name + ".dds");
    for (int i = 1; i <= 5; ++i) // drawn 328 wide and as high as the picture
        add("credits" + std::to_string(i), "gfx/intro/credits" + std::to_string(i) + ".dds", 328);
    for (int m = 1; m <= 8; ++m) {
        const std::string map = "map" + std::to_string(m);
        add(map, "gfx/game/maps/" + map + ".jpg", 1024, 768);
        add(map + "_mask", "gfx/game/maps/" + map + "_mask.png", 1024, 768);
    }
    add("game_panel", "gfx/game/panel/panel.dds", 160, 768);
    add("game_alert", "gfx/game/panel/alert.dds");
    add("game_pausepanel", "gfx/game/panel/pausepanel.dds");
    for (const char* lang : {"cz", "en"})
        for (int s = 1; s <= 3; ++s) {
            const std::string name = "pause_s" + std::to_string(s) + "_" + lang;
            add("game_" + name, "gfx/game/panel/" + name + ".dds");
        }
    for (const char* name : {"panel_bubble", "panel_fly", "panel_quelbalogo"})
        add(name, std::string("gfx/game/panel/") + name + ".dds");
    for (const char* name : {"bubble", "bubble_l", "bubble_r", "bubble_mini", "healthbubble"})
        add(name, std::string("gfx/game/bubble/") + name + ".dds");
    // The game takes each enemy's contact points from its sprite size.
    struct Sprite {
        const char* kind;
        int frames, width, height;
    };
    for (const Sprite& s :
         {Sprite{"fly", 4, 100, 80}, Sprite{"wasp", 5, 120, 80}, Sprite{"gnat", 5, 100, 80},
          Sprite{"dragonfly", 5, 200, 150}, Sprite{"hornet", 7, 200, 152}})
        for (int f = 1; f <= s.frames; ++f) {
            const std::string name = std::string(s.kind) + "_m" + std::to_string(f);
            add(name, std::string("gfx/game/") + s.kind + "/" + name + ".dds", s.width, s.height);
        }
    for (const char* lang : {"cz", "en"})
        for (int i = 1; i <= 5; ++i) {
            const std::string name = std::string("tutorialpanel_") + lang + "_" + std::to_string(i);
            add(name, "gfx/game/tutorial/" + name + ".dds");
        }
    add("pressspace_cz", "gfx/level_intro/pressspace_cz.jpg");
    add("pressspace_en", "gfx/level_intro/pressspace_en.jpg");
    for (int m = 1; m <= 8; ++m) {
        const std::string map = "map" + std::to_string(m);
        const int w = m == 1 ? 800 : -1, h = m == 1 ? 632 : -1;
        add(map + "_preview", "gfx/level_intro/" + map + "_preview.jpg");
        add(map + "_text_cz", "gfx/level_intro/" + map + "_text_cz.jpg", w, h);
        add(map + "_text_en", "gfx/level_intro/" + map + "_text_en.jpg", w, h);
    }
    add("levelobject_moon", "gfx/game/levelobjects/moon.bmp");
    for (const char* name : {"tree", "light", "conveyer_u", "conveyer_d", "wheel", "bottle", "sun"})
        add(std::string("levelobject_") + name,
            std::string("gfx/game/levelobjects/") + name + ".dds");
    for (int b = 1; b <= 15; ++b)
        add("mainmenu_back_" + std::to_string(b),
            "gfx/menu/backgrounds/back_" + std::to_string(b) + ".jpg");
    add("mainmenu_menubar", "gfx/menu/menubar.dds");
    add("mainmenu_menupanel", "gfx/menu/menupanel.dds");
    const std::vector<std::string> ids = {
        "01",       "02",       "03",       "04",       "05",       "04_01_01", "04_01_02",
        "04_02_01", "04_02_02", "04_03_01", "04_03_02", "04_04_01", "04_04_02", "04_05",
        "05_01",    "05_02",    "01_01",    "01_02",    "01_03",    "01_04",    "02_01",
        "02_02",    "02_03",    "02_04",    "03_01_01", "03_01_02", "03_01_03", "03_02"};
    const std::vector<std::string> tail = {"03_03",    "03_04",    "01_02_01_01", "01_02_01_02",
                                           "01_02_02", "01_02_03", "01_02_04"};
    for (const char* lang : {"cz", "en"}) {
        std::vector<std::string> all = ids;
        for (int n = 1; n <= 17; ++n)
            all.push_back("03_02_" + std::string(n < 10 ? "0" : "") + std::to_string(n));
        all.insert(all.end(), tail.begin(), tail.end());
        for (const std::string& id : all) {
            // The four "back" items show the picture of 04_05.
            const bool back = id == "01_04" || id == "02_04" || id == "03_04" || id == "01_02_04";
            add(std::string("mainmenu_") + lang + id,
                std::string("gfx/menu/") + lang + "/mm_" + (back ? "04_05" : id) + ".dds");
        }
    }
    add("gamescreen_youlose", "gfx/game/screens/youlose.jpg");
    add("gamescreen_highscore", "gfx/game/screens/highscore.jpg");
    add("gamescreen_youwin", "gfx/game/screens/youwin.jpg");
    for (const char* screen : {"youlose", "youwin"})
        for (const char* lang : {"cz", "en"})
            for (int s = 1; s <= 3; ++s) {
                const std::string name =
                    std::string(screen) + "_" + lang + "_s" + std::to_string(s);
                add("gamescreen_" + name, "gfx/game/screens/" + name + ".dds");
            }
    add("gamescreen_save_cz_s1", "gfx/game/screens/save_cz_s1.dds");
    add("gamescreen_save_en_s1", "gfx/game/screens/save_en_s1.dds");
    add("gamescreen_save", "gfx/game/screens/save.jpg");
    add("abc", "gfx/game/screens/abc.dds", 1024, 124);
    for (int g = 1; g <= 87; ++g) // glyphs are drawn 40 high and as wide as the texture
        add("key_" + std::to_string(g), "gfx/game/screens/abc/" + std::to_string(g) + ".dds", -1,
            40);
    add("selection", "gfx/game/screens/selection.dds");
    add("mainmenu_info", "gfx/menu/info.dds");
    add("mainmenu_infoback", "gfx/menu/infoback.dds");
    return list;
}

// Checks one picture file: present, in its extension's format, decodable, of the size given.
// Returns an empty text when all holds.
std::string problemWith(const std::string& file, int width, int height) {
    const std::filesystem::path path = kTree / file;
    if (!std::filesystem::is_regular_file(path))
        return file + ": missing";
    const Format want = formatOfExtension(path), got = formatOf(path);
    if (want != got)
        return file + ": holds " + nameOf(got) + " data, not " + nameOf(want);
    engine::Image image;
    std::string error;
    if (!decode(path, image, error))
        return file + ": does not decode: " + error;
    if ((width >= 0 && image.width != width) || (height >= 0 && image.height != height))
        return file + ": " + std::to_string(image.width) + " x " + std::to_string(image.height) +
               ", wanted " + (width >= 0 ? std::to_string(width) : "any") + " x " +
               (height >= 0 ? std::to_string(height) : "any");
    return {};
}

std::string joined(const std::vector<std::string>& problems) {
    std::string text;
    for (const std::string& p : problems)
        text += "\n  " + p;
    return text;
}

TEST(Catalogue, ListsTheTexturesInLoadOrderWithUniqueKeys) {
    const std::vector<Entry> list = catalogue();
    // Seventeen sounds and these textures make the loading screen's 359 steps.
    EXPECT_EQ(list.size(), 342u);
    std::set<std::string> keys;
    for (const Entry& e : list)
        EXPECT_TRUE(keys.insert(e.key).second) << "key twice: " << e.key;
    EXPECT_EQ(list.front().key, "miravlogo1");
    EXPECT_EQ(list.back().key, "mainmenu_infoback");
}

TEST(Catalogue, EveryTextureIsInTheTreeInItsFormatAndSize) {
    std::vector<std::string> problems;
    std::set<std::string> seen;
    for (const Entry& e : catalogue()) {
        if (!seen.insert(e.file).second)
            continue; // the "back" items share one file
        if (std::string p = problemWith(e.file, e.width, e.height); !p.empty())
            problems.push_back(p);
    }
    EXPECT_TRUE(problems.empty()) << problems.size() << " of " << seen.size()
                                  << " texture files are wrong:" << joined(problems);
}

TEST(Catalogue, LoadingScreenPicturesAndEditorIcon) {
    std::vector<std::string> problems;
    for (const char* file :
         {"gfx/intro/loading.dds", "gfx/intro/loadingline.bmp", "gfx/intro/loadingline_grey.bmp",
          "gfx/intro/white.bmp", "gfx/game/levelobjects/rotateico.jpg"})
        if (std::string p = problemWith(file, -1, -1); !p.empty())
            problems.push_back(p);
    EXPECT_TRUE(problems.empty()) << joined(problems);
}

TEST(Catalogue, MoonIsDrawnOnPureMagentaForItsColourKey) {
    engine::Image moon;
    std::string error;
    ASSERT_TRUE(decode(kTree / "gfx/game/levelobjects/moon.bmp", moon, error)) << error;
    ASSERT_GT(moon.width, 0);
    // The corners lie outside the round moon, so the colour key must clear them.
    const std::uint32_t magenta = 0xFFFF00FFu;
    const auto w = static_cast<std::size_t>(moon.width), h = static_cast<std::size_t>(moon.height);
    EXPECT_EQ(moon.pixels[0], magenta);
    EXPECT_EQ(moon.pixels[w - 1], magenta);
    EXPECT_EQ(moon.pixels[(h - 1) * w], magenta);
    EXPECT_EQ(moon.pixels[h * w - 1], magenta);
}

TEST(Catalogue, HelpTextsHoldOneLinePerTopMenuItemInBothLanguages) {
    for (const char* lang : {"cz", "en"}) {
        const std::filesystem::path path = kTree / "gfx/menu" / lang / "mm_help.txt";
        auto lines = common::readTextLines(path, 100);
        ASSERT_TRUE(lines.ok()) << lines.message();
        ASSERT_EQ(lines.value().size(), 5u) << path;
        for (const std::string& line : lines.value())
            EXPECT_FALSE(line.empty()) << path;
        const std::string bytes = bytesOf(path);
        EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n") << path << " lines end with CR LF";
    }
}

TEST(Catalogue, FoldersTheProgramsWriteIntoExist) {
    for (const char* folder :
         {"bin", "levels/user", "highscore/default", "save", "screenshots", "options"})
        EXPECT_TRUE(std::filesystem::is_directory(kTree / folder)) << folder;
}

} // namespace
