// The name-entry keyboard: marker movement, key places and typing into the new place.
#include "game/presentation/highscore_screen.hpp"
#include "game/presentation/name_entry.hpp"
#include "game/shell/startup.hpp"
#include "game/state/game_state.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace {

TEST(HighscoreKeyboard, RightAndLeftWrapWithinEachRow) {
    EXPECT_EQ(moveMarker(1, MarkerMove::Right), 2);
    EXPECT_EQ(moveMarker(26, MarkerMove::Right), 1);
    EXPECT_EQ(moveMarker(52, MarkerMove::Right), 27);
    EXPECT_EQ(moveMarker(78, MarkerMove::Right), 53);
    EXPECT_EQ(moveMarker(79, MarkerMove::Right), 80);
    EXPECT_EQ(moveMarker(81, MarkerMove::Right), 68);
    EXPECT_EQ(moveMarker(1, MarkerMove::Left), 26);
    EXPECT_EQ(moveMarker(27, MarkerMove::Left), 52);
    EXPECT_EQ(moveMarker(53, MarkerMove::Left), 78);
    EXPECT_EQ(moveMarker(79, MarkerMove::Left), 64);
    EXPECT_EQ(moveMarker(81, MarkerMove::Left), 80);
}

TEST(HighscoreKeyboard, UpAndDownJoinTheBottomRowToTheMiddleColumns) {
    EXPECT_EQ(moveMarker(13, MarkerMove::Up), kSpaceKey); // "M"
    EXPECT_EQ(moveMarker(1, MarkerMove::Up), kSpaceKey);
    EXPECT_EQ(moveMarker(14, MarkerMove::Up), kDeleteKey);
    EXPECT_EQ(moveMarker(15, MarkerMove::Up), kConfirmKey);
    EXPECT_EQ(moveMarker(26, MarkerMove::Up), kConfirmKey);
    EXPECT_EQ(moveMarker(79, MarkerMove::Up), 65);
    EXPECT_EQ(moveMarker(80, MarkerMove::Up), 66);
    EXPECT_EQ(moveMarker(81, MarkerMove::Up), 67);
    EXPECT_EQ(moveMarker(40, MarkerMove::Up), 14);
    EXPECT_EQ(moveMarker(53, MarkerMove::Down), kSpaceKey);
    EXPECT_EQ(moveMarker(65, MarkerMove::Down), kSpaceKey);
    EXPECT_EQ(moveMarker(66, MarkerMove::Down), kDeleteKey);
    EXPECT_EQ(moveMarker(67, MarkerMove::Down), kConfirmKey);
    EXPECT_EQ(moveMarker(78, MarkerMove::Down), kConfirmKey);
    EXPECT_EQ(moveMarker(79, MarkerMove::Down), 13);
    EXPECT_EQ(moveMarker(80, MarkerMove::Down), 14);
    EXPECT_EQ(moveMarker(81, MarkerMove::Down), 15);
    EXPECT_EQ(moveMarker(1, MarkerMove::Down), 27);
    EXPECT_EQ(moveMarker(30, MarkerMove::Down), 56);
}

TEST(HighscoreKeyboard, EveryMoveStaysOnTheKeyboard) {
    for (int key = 1; key <= kKeyboardKeys; ++key)
        for (MarkerMove move :
             {MarkerMove::Right, MarkerMove::Left, MarkerMove::Up, MarkerMove::Down}) {
            const int next = moveMarker(key, move);
            EXPECT_GE(next, 1) << key;
            EXPECT_LE(next, kKeyboardKeys) << key;
            EXPECT_NE(next, key) << key;
        }
}

class NameTyping : public ::testing::Test {
  protected:
    void SetUp() override {
        fillGlyphTable(state);
        state.screenState = 501;
        state.newPlace = 2;
        state.highscoreScreenActive = true;
        state.soundOn = false;
    }
    void press(int key) {
        state.selectedKey = static_cast<std::int16_t>(key);
        pressSelectedKey(state);
    }
    GameState state;
};

TEST_F(NameTyping, LettersDigitsSignsAndSpacesAppend) {
    press(1);  // A
    press(27); // a
    press(62); // 0
    press(72); // !
    press(kSpaceKey);
    press(78); // >
    EXPECT_EQ(state.highscoreNames[2], "Aa0! >");
    EXPECT_TRUE(state.highscoreNames[1].empty());
}

TEST_F(NameTyping, DeleteTakesWholeCharactersAndStopsAtEmpty) {
    state.highscoreNames[2] = "Tomáš";
    press(kDeleteKey);
    EXPECT_EQ(state.highscoreNames[2], "Tomá");
    press(kDeleteKey);
    EXPECT_EQ(state.highscoreNames[2], "Tom");
    state.highscoreNames[2].clear();
    press(kDeleteKey);
    EXPECT_EQ(state.highscoreNames[2], "");
}

TEST_F(NameTyping, ConfirmWritesTheWholeTableAndLeaves) {
    const auto folder =
        std::filesystem::temp_directory_path() / ("highscore-typing-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder / "highscore");
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(folder);
    state.gameMode = 2;
    state.levelNumber = 18;
    state.userLevel = true;
    state.highscoreNames = {"", "Eva", "", "Ola", "Petr"};
    state.highscorePoints = {0, 300, 250, 200, 100};
    press(5); // E
    press(kConfirmKey);
    std::filesystem::current_path(previous);
    EXPECT_FALSE(state.highscoreScreenActive);
    std::ifstream in(folder / "highscore" / "highscore_2_17.fly", std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(), "Eva\r\n300\r\nE\r\n250\r\nOla\r\n200\r\nPetr\r\n100\r\n");
    std::filesystem::remove_all(folder);
}

} // namespace
