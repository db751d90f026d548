#include "game/shell/loading_screen.hpp"
#include "game/shell/startup.hpp"
#include "game/state/game_state.hpp"
#include "game/state/sound_player.hpp"

#include <gtest/gtest.h>

namespace {

TEST(LoadingText, NearestWholePercentThenTheClosingText) {
    EXPECT_EQ(loadingText(1, 358), "0%"); // the first redraw already counts one
    EXPECT_EQ(loadingText(2, 358), "1%"); // 0.56 rounds up
    EXPECT_EQ(loadingText(179, 358), "50%");
    EXPECT_EQ(loadingText(357, 358), "100%"); // 99.7
    EXPECT_EQ(loadingText(358, 358), "100%");
    EXPECT_EQ(loadingText(359, 358), "initaliazing");
    EXPECT_EQ(loadingText(0, 0), "initaliazing"); // no division by zero
}

TEST(AudioVersionMessage, HexadecimalCapitalsWithoutPrefix) {
    EXPECT_EQ(audioVersionMessage(0x4061a), "Error!  You are using an old version of FMOD 4061A. "
                                            "This program requires 40619");
    EXPECT_EQ(audioVersionMessage(0), "Error!  You are using an old version of FMOD 0. "
                                      "This program requires 40619");
}

TEST(GlyphTable, EightySevenCharactersInTextureOrder) {
    GameState state;
    fillGlyphTable(state);
    EXPECT_EQ(state.glyphTable[1], "A");
    EXPECT_EQ(state.glyphTable[26], "Z");
    EXPECT_EQ(state.glyphTable[27], "a");
    EXPECT_EQ(state.glyphTable[52], "z");
    EXPECT_EQ(state.glyphTable[53], "1");
    EXPECT_EQ(state.glyphTable[61], "9");
    EXPECT_EQ(state.glyphTable[62], "0");
    EXPECT_EQ(state.glyphTable[63], ".");
    EXPECT_EQ(state.glyphTable[68], "\\");
    EXPECT_EQ(state.glyphTable[78], ">");
    EXPECT_EQ(state.glyphTable[79], " ");
    EXPECT_EQ(state.glyphTable[80], "á");
    EXPECT_EQ(state.glyphTable[87], "é");
}

} // namespace
