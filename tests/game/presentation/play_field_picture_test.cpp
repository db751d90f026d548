// The play field drawn with the staged tree's pictures: the panels land where they belong.
// With BRIMZEL_TEST_SHOTS=folder the pictures are also written there for a look.
#include "game/presentation/play_field.hpp"
#include "game/shell/resource_catalogue.hpp"
#include "headless_game.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace {

class PlayFieldPicture : public ::testing::Test {
  protected:
    void SetUp() override {
        const std::filesystem::path tree = BRIMZEL_TREE;
        if (!std::filesystem::exists(tree / "gfx" / "game"))
            GTEST_SKIP() << "no pictures in the staged tree";
        attachHeadlessEngine(s);
        s.engine->setSearchDirectory(tree.string());
        for (const auto& entry : loadingScreenTextures())
            s.engine->loadTexture(entry.path, entry.key, entry.options);
        for (const auto& entry : textureCatalogue())
            if (entry.path.find("/game/") != std::string::npos)
                s.engine->loadTexture(entry.path, entry.key, entry.options);
        for (const auto& font : gameFonts())
            s.engine->createFont(font.key, font.face, font.size, font.style);
        s.screenState = 200;
        s.mapNumber = 3;
        s.language = "en";
        s.healthBubbleLastRoll = s.engine->tick(); // no health bubble in these pictures
        s.tutorialStepStart = s.engine->tick();
    }
    // Draws `frames` frames of the play field and returns the last one's pixel at (x, y).
    engine::Color drawAndRead(int frames, int x, int y, const std::string& shotName) {
        runFrames(s, frames, [&] { drawPlayField(s); });
        if (const char* folder = std::getenv("BRIMZEL_TEST_SHOTS"))
            s.engine->savePng((std::filesystem::path(folder) / shotName).string());
        const std::uint32_t* pixels = s.engine->framePixels();
        return pixels ? pixels[y * 1024 + x] : 0;
    }
    GameState s;
};

TEST_F(PlayFieldPicture, TheTutorialPanelCoversTheMiddle) {
    const engine::Color plain = drawAndRead(1, 512, 384, "tutorial_before.png");
    s.tutorialActive = true;
    s.tutorialStep = 0;
    s.tutorialDelay = 0;
    const engine::Color panel = drawAndRead(45, 512, 384, "tutorial_panel.png");
    EXPECT_TRUE(s.tutorialPanelShown);
    EXPECT_EQ(s.pausePanelWidth, 320);
    ASSERT_NE(plain, 0u) << "the frame is not readable";
    EXPECT_NE(panel, plain);
}

TEST_F(PlayFieldPicture, ThePausePanelAndTheHud) {
    s.minutes = 9;
    s.seconds = 5;
    s.energy = 5;
    s.displayedScore = 7;
    s.enemyCount = 4;
    for (int i = 1; i <= 4; ++i) {
        s.enemyKind[i] = static_cast<std::int16_t>(i);
        s.enemyX[i] = 150.0 * i;
        s.enemyY[i] = 600;
        s.enemyFrameKey[i] = std::string(i == 1   ? "wasp"
                                         : i == 2 ? "gnat"
                                         : i == 3 ? "dragonfly"
                                                  : "hornet") +
                             "_m1";
    }
    s.paused = true;
    s.pauseSelection = 2;
    s.pausePanelWidth = 0;
    s.panelAlpha = 1;
    const engine::Color choice = drawAndRead(60, 512, 384, "pause_panel.png");
    EXPECT_EQ(s.pausePanelWidth, 320);
    EXPECT_DOUBLE_EQ(s.selectionAlpha, 1.0);
    // The panel is drawn over the map; something opaque is in its middle.
    EXPECT_EQ(choice >> 24, 0xFFu);
}

} // namespace
