// The glyph font's line layout and the texts of the high-score screen.
#include "common/highscore_file.hpp"
#include "engine/dds.hpp"
#include "game/presentation/glyph_text.hpp"
#include "game/presentation/highscore_screen.hpp"
#include "game/shell/startup.hpp"
#include "game/state/game_state.hpp"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class GlyphLayout : public ::testing::Test {
  protected:
    void SetUp() override { fillGlyphTable(state); }
    std::vector<GlyphPlacement> layout(const std::string& text) {
        // Every glyph a different width, so a wrong advance shows.
        return layoutGlyphText(text, state.glyphTable, [](int i) { return 10.0f + i % 7; });
    }
    GameState state;
};

TEST_F(GlyphLayout, GlyphsFollowEachOtherByTheirOwnWidths) {
    const auto placed = layout("Ab1");
    ASSERT_EQ(placed.size(), 3u);
    EXPECT_EQ(placed[0].index, 1);
    EXPECT_FLOAT_EQ(placed[0].x, 20.0f);
    EXPECT_EQ(placed[1].index, 28);
    EXPECT_FLOAT_EQ(placed[1].x, 20.0f + 11.0f);
    EXPECT_EQ(placed[2].index, 53);
    EXPECT_FLOAT_EQ(placed[2].x, 20.0f + 11.0f + 10.0f);
}

TEST_F(GlyphLayout, CzechLettersAndSignsAreOneGlyphEach) {
    const auto placed = layout("é: ř");
    ASSERT_EQ(placed.size(), 4u);
    EXPECT_EQ(placed[0].index, 87);
    EXPECT_EQ(placed[1].index, 64);
    EXPECT_EQ(placed[2].index, 79);
    EXPECT_EQ(placed[3].index, 81);
}

TEST_F(GlyphLayout, CharactersWithoutAGlyphTakeNoRoom) {
    const auto placed = layout("A€\xffZ@");
    ASSERT_EQ(placed.size(), 2u);
    EXPECT_EQ(placed[1].index, 26);
    EXPECT_FLOAT_EQ(placed[1].x, 20.0f + placed[0].width);
    EXPECT_TRUE(layout("").empty());
    EXPECT_TRUE(layout("ß").empty());
}

TEST_F(GlyphLayout, TheLongestNameOfTheWidestTypedGlyphEndsInsideTheScreen) {
    // The glyph pictures the game loads, at their own widths.
    std::array<float, kGlyphCount + 1> widths{};
    for (int i = 1; i <= kGlyphCount; ++i) {
        engine::Image image;
        std::string error;
        ASSERT_TRUE(engine::readDds(std::string(BRIMZEL_TREE) + "/gfx/game/screens/abc/" +
                                        std::to_string(i) + ".dds",
                                    image, error))
            << error;
        widths[i] = static_cast<float>(image.width);
    }
    // The keyboard types glyphs 1 to 79.
    const int widest = static_cast<int>(std::max_element(widths.begin() + 1, widths.begin() + 80) -
                                        widths.begin());
    const auto width = [&](int i) { return widths[i]; };
    // As drawn, or with the name cut to fit when `fitted`.
    auto lineEnd = [&](std::size_t nameLength, bool fitted = false) {
        float end = 0.0f;
        for (const char* language : {"cz", "en"}) {
            state.language = language;
            state.highscoreNames[4].clear();
            for (std::size_t i = 0; i < nameLength; ++i)
                state.highscoreNames[4] += state.glyphTable[widest];
            state.highscorePoints[4] = -32768;
            const std::string line =
                highscorePlaceLine(state, 4, "-", fitted ? width : std::function<float(int)>{});
            EXPECT_EQ(line.substr(line.size() - 6), "-32768"); // the points always show
            const auto placed = layoutGlyphText(line, state.glyphTable, width);
            end = std::max(end, placed.back().x + placed.back().width);
        }
        return end;
    };
    // The line starts 20 px in and must end 20 px before the right edge; one more glyph would not.
    EXPECT_LE(lineEnd(common::kMaxHighscoreNameLength), 1004.0f);
    EXPECT_GT(lineEnd(common::kMaxHighscoreNameLength + 1), 1004.0f);
    EXPECT_EQ(lineEnd(common::kMaxHighscoreNameLength, true),
              lineEnd(common::kMaxHighscoreNameLength));

    // A longer name from a table written elsewhere is cut, marked, to end inside the screen.
    for (const std::size_t length : {common::kMaxHighscoreNameLength + 1, std::size_t(40)}) {
        EXPECT_LE(lineEnd(length, true), 1004.0f) << length;
        EXPECT_GT(lineEnd(length, true), 950.0f) << length; // cut no more than needed
    }
    const std::string cut = highscorePlaceLine(state, 4, "-", width);
    EXPECT_EQ(cut.rfind("4. place: " + state.glyphTable[widest], 0), 0u) << cut;
    EXPECT_NE(cut.find(state.glyphTable[widest] + "..-, points: -32768"), std::string::npos) << cut;
}

TEST(HighscoreTexts, HeaderNamesModeAndLevelInTheLanguage) {
    GameState state;
    state.language = "en";
    state.screenState = 500;
    state.gameMode = 1;
    auto lines = highscoreHeaderLines(state);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].text, "HIGHSCORE");
    EXPECT_EQ(lines[1].text, "Game: scenario");
    EXPECT_FLOAT_EQ(lines[1].y, 60);

    state.gameMode = 2;
    state.levelNumber = 12;
    lines = highscoreHeaderLines(state);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[2].text, "Level: 12");
    EXPECT_FLOAT_EQ(lines[2].y, 110);

    state.language = "cz";
    state.gameMode = 3;
    state.userLevel = true;
    lines = highscoreHeaderLines(state);
    EXPECT_EQ(lines[0].text, "VYSLEDKY");
    EXPECT_EQ(lines[1].text, "Hra: časová zkouška");
    EXPECT_EQ(lines[2].text, "Level: vlastní");
}

TEST(HighscoreTexts, NameEntryKnowsTheUserLevelByItsNumber) {
    GameState state;
    state.language = "en";
    state.gameMode = 2;
    state.screenState = 501;
    state.levelNumber = 17;
    state.userLevel = false;
    EXPECT_EQ(highscoreHeaderLines(state)[2].text, "Level: vlastní");
    state.levelNumber = 16;
    state.userLevel = true;
    EXPECT_EQ(highscoreHeaderLines(state)[2].text, "Level: 16");
}

TEST(HighscoreTexts, PlaceLinesCarryTheCursorAfterTheName) {
    GameState state;
    state.language = "en";
    state.highscoreNames[2] = "Ann";
    state.highscorePoints[2] = 450;
    EXPECT_EQ(highscorePlaceLine(state, 2, ""), "2. place: Ann, points: 450");
    EXPECT_EQ(highscorePlaceLine(state, 2, "-"), "2. place: Ann-, points: 450");
    state.language = "cz";
    EXPECT_EQ(highscorePlaceLine(state, 2, " "), "2. místo: Ann , body: 450");
}

} // namespace
