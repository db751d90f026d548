// The screen pictures of the generated tree: every file there, in the format the game loads and
// at the size it is drawn, the keyboard under the game's key centres, the glyph font and the
// menu's help lines.
#include "common/text_lines.hpp"
#include "common/windows1250.hpp"
#include "engine/image_file.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

const std::filesystem::path tree = BRIMZEL_TREE;
const std::filesystem::path gfx = tree / "gfx";

std::string bytesOf(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The format by its leading bytes, whatever the extension claims.
std::string formatOf(const std::filesystem::path& path) {
    const std::string b = bytesOf(path).substr(0, 4);
    if (b == "DDS ")
        return ".dds";
    if (b.size() >= 3 && b.compare(0, 3, "\xFF\xD8\xFF") == 0)
        return ".jpg";
    if (b == "\x89PNG")
        return ".png";
    if (b.compare(0, 2, "BM") == 0)
        return ".bmp";
    return "unknown";
}

engine::Image load(const std::filesystem::path& path) {
    engine::Image image;
    std::string error;
    EXPECT_TRUE(engine::loadImageFile(path.string(), image, error)) << path << ": " << error;
    return image;
}

// Checks the file exists in its extension's format; width or height -1 means "any".
engine::Image expectPicture(const std::string& relative, int width, int height) {
    const std::filesystem::path path = gfx / relative;
    if (!std::filesystem::is_regular_file(path)) {
        ADD_FAILURE() << relative << " is missing";
        return {};
    }
    EXPECT_EQ(formatOf(path), path.extension().string()) << relative;
    engine::Image image = load(path);
    if (width > 0) {
        EXPECT_EQ(image.width, width) << relative;
    }
    if (height > 0) {
        EXPECT_EQ(image.height, height) << relative;
    }
    EXPECT_GT(image.width, 0) << relative;
    return image;
}

std::uint32_t alpha(const engine::Image& im, int x, int y) {
    return im.pixels[static_cast<size_t>(y) * im.width + x] >> 24;
}

int brightness(const engine::Image& im, int x, int y) {
    const std::uint32_t p = im.pixels[static_cast<size_t>(y) * im.width + x];
    return static_cast<int>(((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF)) / 3;
}

bool hasInk(const engine::Image& im) {
    for (std::uint32_t p : im.pixels)
        if ((p >> 24) > 128)
            return true;
    return false;
}

const std::vector<std::string> languages = {"cz", "en"};

// Menu ids with a file of their own; 01_04, 02_04, 03_04 and 01_02_04 reuse 04_05.
const std::vector<std::string> rowIds = {
    "04_01_01", "04_01_02",    "04_02_01",    "04_02_02", "04_03_01", "04_03_02", "04_04_01",
    "04_04_02", "04_05",       "05_01",       "05_02",    "01_01",    "01_02",    "01_03",
    "02_01",    "02_02",       "02_03",       "03_01_01", "03_01_02", "03_01_03", "03_02",
    "03_03",    "01_02_01_01", "01_02_01_02", "01_02_02", "01_02_03"};

std::string twoDigits(int n) {
    char s[8];
    std::snprintf(s, sizeof s, "%02d", n);
    return s;
}

} // namespace

TEST(ScreenArt, IntroPicturesHaveTheirDrawnSizes) {
    expectPicture("intro/loading.dds", 1024, 20);
    expectPicture("intro/loadingline.bmp", 834, 11);
    expectPicture("intro/loadingline_grey.bmp", 834, 11);
    const engine::Image white = expectPicture("intro/white.bmp", -1, -1);
    for (std::uint32_t p : white.pixels)
        ASSERT_EQ(p, 0xFFFFFFFFu) << "white.bmp must be pure white";
    expectPicture("intro/miravlogo1.dds", 328, 328);
    expectPicture("intro/miravlogo2.dds", 348, 104);
    expectPicture("intro/miravlogo3.dds", 328, 24);
    expectPicture("intro/quelbalogo.dds", 400, 208);
    for (int i = 1; i <= 5; ++i) {
        const engine::Image page =
            expectPicture("intro/credits" + std::to_string(i) + ".dds", 328, -1);
        EXPECT_LE(page.height, 768) << "credits page " << i << " must fit the screen";
    }
}

TEST(ScreenArt, RotatingLogoIsRoundSoItTurnsCleanly) {
    // Corners outside the inscribed circle stay transparent: nothing sweeps past the disc.
    const engine::Image logo = load(gfx / "intro/miravlogo1.dds");
    ASSERT_EQ(logo.width, 328);
    for (int y = 0; y < logo.height; y += 2)
        for (int x = 0; x < logo.width; x += 2) {
            const double dx = x + 0.5 - 164, dy = y + 0.5 - 164;
            if (dx * dx + dy * dy > 166.0 * 166.0) {
                ASSERT_EQ(alpha(logo, x, y), 0u) << x << "," << y;
            }
        }
}

TEST(ScreenArt, MenuPicturesOfBothLanguages) {
    for (int i = 1; i <= 15; ++i)
        expectPicture("menu/backgrounds/back_" + std::to_string(i) + ".jpg", 1024, 768);
    expectPicture("menu/menubar.dds", 284, 768);
    expectPicture("menu/menupanel.dds", 500, 316);
    expectPicture("menu/info.dds", 52, 52);
    expectPicture("menu/infoback.dds", 52, 52);
    for (const std::string& lang : languages) {
        for (int i = 1; i <= 5; ++i)
            EXPECT_TRUE(hasInk(
                expectPicture("menu/" + lang + "/mm_0" + std::to_string(i) + ".dds", 248, 60)));
        for (const std::string& id : rowIds) {
            const engine::Image row = expectPicture("menu/" + lang + "/mm_" + id + ".dds", -1, 40);
            // The selection underline runs from 20 px to the width − 2.
            EXPECT_GT(row.width, 40) << lang << " " << id;
            EXPECT_LE(row.width, 500) << lang << " " << id << " must fit the panel";
            EXPECT_TRUE(hasInk(row)) << lang << " " << id;
        }
        // A level label and its widest number picture share one panel row.
        int widestNumber = 0;
        for (int n = 1; n <= 17; ++n) {
            const engine::Image num =
                expectPicture("menu/" + lang + "/mm_03_02_" + twoDigits(n) + ".dds", -1, 40);
            widestNumber = std::max(widestNumber, num.width);
        }
        for (const char* label : {"03_02", "01_02_02"})
            EXPECT_LE(load(gfx / "menu" / lang / (std::string("mm_") + label + ".dds")).width +
                          widestNumber,
                      500)
                << lang << " " << label;
    }
}

TEST(ScreenArt, HelpTextIsFiveWindows1250LinesPerLanguage) {
    for (const std::string& lang : languages) {
        const std::filesystem::path path = gfx / "menu" / lang / "mm_help.txt";
        const std::string bytes = bytesOf(path);
        ASSERT_FALSE(bytes.empty()) << path;
        // Five lines, each closed by CR LF, no bare LF or CR anywhere.
        int lines = 0;
        for (size_t i = 0; i < bytes.size(); ++i) {
            if (bytes[i] == '\n') {
                ASSERT_GT(i, 0u);
                EXPECT_EQ(bytes[i - 1], '\r') << lang << ": LF without CR";
                ++lines;
            } else if (bytes[i] == '\r') {
                ASSERT_LT(i + 1, bytes.size());
                EXPECT_EQ(bytes[i + 1], '\n') << lang << ": CR without LF";
            }
        }
        EXPECT_EQ(lines, 5) << lang;
        EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n") << lang;
        const auto read = common::readTextLines(path, 10);
        ASSERT_TRUE(read.ok()) << read.message();
        ASSERT_EQ(read.value().size(), 5u);
        for (const std::string& line : read.value()) {
            EXPECT_FALSE(line.empty());
            // The help bar is about 600 px wide at 14 px: short lines only.
            EXPECT_LE(line.size(), 90u) << line;
        }
    }
    // Czech letters are single Windows-1250 bytes, not UTF-8 pairs.
    const std::string cz = bytesOf(gfx / "menu/cz/mm_help.txt");
    EXPECT_EQ(cz.find("\xC3"), std::string::npos) << "UTF-8 in a Windows-1250 file";
    const std::string utf8 = common::windows1250ToUtf8(cz);
    EXPECT_NE(utf8.find("Nastavení"), std::string::npos);
    EXPECT_NE(utf8.find("Výsledky"), std::string::npos);
}

TEST(ScreenArt, LevelIntroPictures) {
    for (const std::string& lang : languages) {
        expectPicture("level_intro/pressspace_" + lang + ".jpg", 527, 35);
        expectPicture("level_intro/map1_text_" + lang + ".jpg", 800, 632);
    }
    for (int map = 1; map <= 8; ++map) {
        const std::string m = "level_intro/map" + std::to_string(map);
        const engine::Image preview = expectPicture(m + "_preview.jpg", -1, 444);
        EXPECT_LE(preview.width, 1024);
        for (const std::string& lang : languages) {
            const engine::Image text = expectPicture(m + "_text_" + lang + ".jpg", -1, -1);
            EXPECT_LE(text.width, 1024) << map << lang;
            // Taller than the strip between the preview and the bottom, so the text scrolls in.
            EXPECT_GT(text.height, 258) << map << lang;
        }
    }
}

TEST(ScreenArt, EndScreensAndTheirChoices) {
    for (const char* name : {"youlose", "youwin", "highscore", "save"})
        expectPicture(std::string("game/screens/") + name + ".jpg", 1024, 768);
    for (const char* name : {"youlose", "youwin"})
        for (const std::string& lang : languages) {
            std::vector<engine::Image> choices;
            for (int n = 1; n <= 3; ++n)
                choices.push_back(expectPicture(std::string("game/screens/") + name + "_" + lang +
                                                    "_s" + std::to_string(n) + ".dds",
                                                152, 180));
            // The lit choice moves: the three pictures differ.
            EXPECT_NE(choices[0].pixels, choices[1].pixels) << name << lang;
            EXPECT_NE(choices[1].pixels, choices[2].pixels) << name << lang;
        }
    expectPicture("game/screens/save_cz_s1.dds", 152, 180);
    expectPicture("game/screens/save_en_s1.dds", 152, 180);
}

TEST(ScreenArt, KeyboardKeysSitUnderTheKeyCentres) {
    const engine::Image abc = expectPicture("game/screens/abc.dds", 1024, 124);
    ASSERT_EQ(abc.width, 1024);
    const auto centre = [](int key, int& x, int& y) {
        if (key <= 78) {
            x = 30 * ((key - 1) % 26 + 1) + 105;
            y = (key <= 26 ? 607 : key <= 52 ? 637 : 667) - 594;
        } else {
            x = 30 * (key - 79 + 13) + 105;
            y = 702 - 594;
        }
    };
    for (int key = 1; key <= 81; ++key) {
        int x = 0, y = 0;
        centre(key, x, y);
        // A key cap is light and opaque a few pixels off its centre, where its label leaves
        // room; the gap half-way to the next key is the dark panel.
        EXPECT_EQ(alpha(abc, x - 10, y - 9), 255u) << "key " << key;
        EXPECT_GT(brightness(abc, x - 10, y - 9), 150) << "key " << key;
        EXPECT_LT(brightness(abc, x + 15, y), 100) << "gap after key " << key;
    }
    expectPicture("game/screens/selection.dds", 36, 36);
}

TEST(ScreenArt, GlyphFontIsFortyHighAndFitsEachCharacter) {
    std::vector<engine::Image> glyphs(88);
    for (int i = 1; i <= 87; ++i)
        glyphs[i] = expectPicture("game/screens/abc/" + std::to_string(i) + ".dds", -1, 40);
    // Widths follow the characters: W (23) is wider than i (35), the space (79) is empty.
    EXPECT_GT(glyphs[23].width, glyphs[35].width);
    EXPECT_GT(glyphs[39].width, glyphs[38].width); // m wider than l
    EXPECT_GT(glyphs[79].width, 4);
    EXPECT_FALSE(hasInk(glyphs[79]));
    for (int i = 1; i <= 87; ++i) {
        if (i == 79)
            continue;
        EXPECT_TRUE(hasInk(glyphs[i])) << "glyph " << i;
        EXPECT_LE(glyphs[i].width, 40) << "glyph " << i;
    }
}

TEST(ScreenArt, EditorRotationIconFitsItsHandleBox) {
    expectPicture("game/levelobjects/rotateico.jpg", 20, 20);
}

TEST(ScreenArt, OverviewSheetShowsEveryPicture) {
    // The build writes the review sheet beside the tree.
    const std::filesystem::path sheet = tree.parent_path() / "content-overview.png";
    ASSERT_TRUE(std::filesystem::is_regular_file(sheet)) << sheet;
    EXPECT_EQ(formatOf(sheet), ".png");
    size_t pictures = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(gfx))
        if (entry.is_regular_file() && entry.path().extension() != ".txt")
            ++pictures;
    // Ten thumbnails of 176 px per row under a 60 px title.
    const engine::Image image = load(sheet);
    EXPECT_EQ(image.width, 2000);
    EXPECT_EQ(image.height, 60 + static_cast<int>((pictures + 9) / 10) * 176);
}
