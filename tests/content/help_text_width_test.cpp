// The menu's help lines, measured with the font the game draws them in, must fit the help band
// at the bottom of the menu and stop short of the turning info sign at its right end.
#include "common/text_lines.hpp"
#include "engine/engine.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>

namespace {

const std::filesystem::path tree = BRIMZEL_TREE;

// The band runs x 400..998 and the text starts at 410; the info sign, 52 wide at full width,
// is centred at x 988, so its left edge is at 962. A few pixels of air before it.
constexpr int kTextLeft = 410;
constexpr int kBandRight = 998;
constexpr int kSignLeft = 988 - 26;
constexpr int kAir = 6;
constexpr int kBandTop = 722, kBandBottom = 742;

class HelpTextWidth : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string error;
        engine_ = engine::Engine::create({}, error);
        ASSERT_TRUE(engine_) << error;
        // As the game's resource catalogue makes it.
        font_ = engine_->createFont("menu_font2", "Arial", 14);
        ASSERT_NE(font_, engine::kNoFont) << engine_->lastError();
    }

    std::unique_ptr<engine::Engine> engine_;
    engine::FontId font_ = engine::kNoFont;
};

TEST_F(HelpTextWidth, EveryLineFitsTheBandLeftOfTheInfoSign) {
    int widest = 0;
    for (const char* lang : {"cz", "en"}) {
        const auto lines = common::readTextLines(tree / "gfx/menu" / lang / "mm_help.txt", 5);
        ASSERT_TRUE(lines.ok()) << lines.message();
        ASSERT_EQ(lines.value().size(), 5u) << lang;
        for (const std::string& line : lines.value()) {
            const engine::Size size = engine_->measureText(line, font_);
            EXPECT_GT(size.width, 0) << lang << ": " << line;
            EXPECT_LE(kTextLeft + size.width, kBandRight) << lang << ": " << line;
            EXPECT_LE(kTextLeft + size.width, kSignLeft - kAir)
                << lang << ": " << line << " (" << size.width << " px) runs under the info sign";
            EXPECT_LE(kBandTop + size.height, kBandBottom + 2) << lang << ": " << line;
            widest = std::max(widest, size.width);
        }
    }
    RecordProperty("widest_px", widest);
}

// The check above must see a line that is too long: one made of two real lines is.
TEST_F(HelpTextWidth, MeasuringSeesOverlongLines) {
    const auto lines = common::readTextLines(tree / "gfx/menu/cz/mm_help.txt", 5);
    ASSERT_TRUE(lines.ok()) << lines.message();
    ASSERT_EQ(lines.value().size(), 5u);
    const std::string doubled = lines.value()[0] + " " + lines.value()[3];
    EXPECT_GT(kTextLeft + engine_->measureText(doubled, font_).width, kBandRight);
    // Czech letters are measured as themselves, not as missing glyphs of nothing.
    EXPECT_GT(engine_->measureText("čřžýáíé", font_).width, engine_->measureText("c", font_).width);
}

} // namespace
