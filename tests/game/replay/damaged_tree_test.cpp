// A damaged installation: pictures, sounds, levels or tables missing, and folders that cannot be
// written. The game goes on in each case and says what could not be saved.
#include "replay_harness.hpp"

#include "common/text_lines.hpp"

#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

// From the menu: "new game", the mode's row, the level panel.
std::string openLevelPanel(int modeRow) {
    std::string script = "step 5\ntap enter\nstep 40\n";
    for (int i = 1; i < modeRow; ++i)
        script += "tap down\nstep 1\n";
    return script + "tap enter\nstep 40\n";
}
// The level panel's level row, `rights` levels on, then its start row.
std::string startLevel(int rights) {
    std::string script = "tap down\nstep 1\n";
    for (int i = 0; i < rights; ++i)
        script += "tap right\nstep 1\n";
    return script + "tap down\nstep 1\ntap enter\n";
}
const char* const kIntoPlay = "step 80\ntap space\nstep 80\n";

// Share of pixels of a PNG that are not white.
double colouredShare(const fs::path& png) {
    SDL_Surface* loaded = IMG_Load(png.c_str());
    if (!loaded) {
        ADD_FAILURE() << IMG_GetError();
        return 1.0;
    }
    SDL_Surface* image = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(loaded);
    long coloured = 0;
    for (int y = 0; y < image->h; ++y) {
        const auto* row = reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(image->pixels) +
                                                          y * image->pitch);
        for (int x = 0; x < image->w; ++x)
            coloured += (row[x] & 0xFFFFFFu) != 0xFFFFFFu;
    }
    const double share = static_cast<double>(coloured) / (image->w * image->h);
    SDL_FreeSurface(image);
    return share;
}

class DamagedTree : public ReplayTest {
  protected:
    void SetUp() override {
        tree.setOptionLine(3, "GameLanguage:en");
        tree.setOptionLine(10, "GamePosition:50");
        placeFlyBetweenOpenSquares();
        level.enemies = {{1, 200, 200, 0}};
    }
    // A file where the folder should be: nothing can be written below it, even by root.
    void blockFolder(const std::string& name) {
        fs::remove_all(tree.root() / name);
        ASSERT_TRUE(common::writeTextLines(tree.root() / name, {"not a folder"}));
    }
};

TEST_F(DamagedTree, WithoutAnyPictureNothingIsDrawnAndTheGameGoesOn) {
    tree.writeLevel(1, level);
    // Every picture but the collision masks, which the levels cannot do without.
    std::vector<fs::path> pictures;
    for (const auto& entry : fs::recursive_directory_iterator(tree.root() / "gfx"))
        if (entry.is_regular_file() &&
            entry.path().stem().string().find("_mask") == std::string::npos)
            pictures.push_back(entry.path());
    ASSERT_GT(pictures.size(), 50u);
    for (const fs::path& picture : pictures)
        fs::remove(picture);

    const fs::path shot = tree.root() / "play.png";
    tree.setOptionLine(10, "GamePosition:0");
    const ReplayRun run = play("step 60\nprint\ntap esc\nstep 200\ntap esc\nstep 200\nprint\n"
                               "step 5\ntap enter\nstep 40\ntap enter\nstep 80\n" +
                               std::string(kIntoPlay) +
                               "tap esc\nstep 1\ntap enter\n"
                               "down up\nstep 60\nup up\nstep 20\nprint\nshot play.png\n");
    ASSERT_EQ(run.prints.size(), 3u) << run.output;
    EXPECT_LT(std::stoi(run.prints[0].at("screenState")), 50); // the intro runs
    EXPECT_EQ(run.prints[1].at("screenState"), "50");
    EXPECT_EQ(run.prints[2].at("screenState"), "200");
    EXPECT_NE(run.prints[2].at("flyY"), "330.000"); // the fly answers the keys
    // Only what is not a picture (text, filled bands) can colour the white frame.
    const double share = colouredShare(shot);
    std::printf("coloured_share_without_pictures %.4f fraction\n", share);
    EXPECT_LT(share, 0.2);
}

TEST_F(DamagedTree, WithoutAnySoundTheGameIsSilentAndGoesOn) {
    level.bubbles = 1;
    tree.writeLevel(1, level);
    tree.writeLevel(2, level);
    fs::remove_all(tree.root() / "sound");
    // A level won with its effects, then the next level.
    tree.setOptionLine(10, "GamePosition:200");
    ReplayRun run = play("down up\nstep 30\nup up\nstep 150\nprint\ntap enter\nstep 120\nprint\n");
    ASSERT_EQ(run.prints.size(), 2u) << run.output;
    EXPECT_EQ(run.prints[0].at("screenState"), "300");
    EXPECT_EQ(run.prints[0].at("endScreenKind"), "3");
    EXPECT_EQ(run.prints[1].at("levelNumber"), "2");
    EXPECT_NE(run.prints[1].at("screenState"), "50");

    // The intro with its music and the menu with its sounds.
    tree.setOptionLine(10, "GamePosition:0");
    run = play("step 300\ntap enter\nstep 200\ntap enter\nstep 40\ntap down\nstep 5\nprint\n");
    ASSERT_EQ(run.prints.size(), 1u) << run.output;
    EXPECT_EQ(run.prints[0].at("screenState"), "50");
    EXPECT_EQ(run.prints[0].at("submenuOpen"), "1");
}

TEST_F(DamagedTree, AMissingLevelIsReportedAndAnotherCanStillBePlayed) {
    level.bubbles = 3;
    tree.writeLevel(2, level);
    fs::remove(tree.root() / "levels" / "level1.lev");
    const ReplayRun run = play("step 5\ntap enter\nstep 40\ntap enter\nstep 80\nprint\nstep 300\n" +
                                   openLevelPanel(2) + startLevel(1) + kIntoPlay + "print\n",
                               {"level1.lev"});
    ASSERT_EQ(run.prints.size(), 2u) << run.output;
    EXPECT_EQ(run.prints[0].at("screenState"), "50");
    EXPECT_NE(run.prints[0].at("notice").find("level1.lev"), std::string::npos);
    EXPECT_EQ(run.prints[1].at("screenState"), "200");
    EXPECT_EQ(run.prints[1].at("gameMode"), "2");
    EXPECT_EQ(run.prints[1].at("levelNumber"), "2");
}

TEST_F(DamagedTree, UnwritableTablesAndScreenshotsAreReportedAndTheGameGoesOn) {
    level.bubbles = 5;
    level.minutes = 0;
    level.seconds = 2;
    tree.writeLevel(1, level);
    blockFolder("highscore");
    blockFolder("screenshots");
    // A bubble match lost on time with one bubble: the table (unreadable, so empty) takes the
    // score; "A" and the confirming key.
    const ReplayRun run =
        play(openLevelPanel(2) + startLevel(0) + kIntoPlay + "tap s\nstep 1\n" +
                 "down up\nstep 30\nup up\nstep 300\nprint\n"
                 "tap enter\nstep 1\ntap up\nstep 1\ntap right\nstep 1\n"
                 "tap right\nstep 1\ntap enter\nstep 1\nprint\nstep 80\nprint\n",
             {"screenshot1.jpg could not be written", "The high scores could not be saved"});
    ASSERT_EQ(run.prints.size(), 3u) << run.output;
    EXPECT_EQ(run.prints[0].at("screenState"), "501");
    EXPECT_EQ(run.prints[0].at("newPlace"), "1");
    EXPECT_EQ(run.prints[0].at("screenshotCount"), "0"); // nothing written, nothing counted
    EXPECT_NE(run.prints[1].at("notice").find("The high scores could not be saved"),
              std::string::npos)
        << run.prints[1].at("notice");
    EXPECT_EQ(run.prints[2].at("screenState"), "50");
    EXPECT_TRUE(fs::is_regular_file(tree.root() / "highscore"));
}

TEST_F(DamagedTree, AReadOnlyTreeReportsEachSaveAndTheGameGoesOn) {
    level.bubbles = 5;
    level.minutes = 0;
    level.seconds = 2;
    tree.writeLevel(1, level);
    fs::remove(tree.root() / "highscore" / "highscore_2_1.fly"); // empty: the score takes a place
    const std::vector<fs::path> folders = {tree.root() / "bin", tree.root() / "highscore",
                                           tree.root() / "save"};
    for (const fs::path& folder : folders)
        fs::permissions(folder,
                        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                        fs::perm_options::remove);
    // Folder permissions do not hold back a superuser; the file-in-the-way test covers that case.
    const fs::path probe = tree.root() / "save" / "probe";
    std::FILE* file = std::fopen(probe.c_str(), "w");
    const bool writable = file != nullptr;
    if (writable) {
        std::fclose(file);
        fs::remove(probe);
    }
    struct Restore {
        const std::vector<fs::path>& folders;
        ~Restore() {
            for (const fs::path& folder : folders)
                fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add);
        }
    } restore{folders};
    if (writable)
        GTEST_SKIP() << "read-only folders can still be written here (running as root)";

    const ReplayRun run = play(openLevelPanel(2) + startLevel(0) + kIntoPlay +
                                   "down up\nstep 30\nup up\nstep 300\n"
                                   "tap enter\nstep 1\ntap up\nstep 1\ntap right\nstep 1\n"
                                   "tap right\nstep 1\ntap enter\nstep 1\nprint\nstep 80\nprint\n"
                                   "tap f12\nstep 1\n",
                               {"The high scores could not be saved", "Brimzel.ini"});
    std::string messages;
    for (const std::string& line : run.notices)
        messages += line + "\n";
    ASSERT_EQ(run.prints.size(), 2u) << run.output;
    EXPECT_EQ(run.prints[0].at("newPlace"), "1");
    EXPECT_NE(run.prints[0].at("notice").find("The high scores could not be saved"),
              std::string::npos)
        << run.prints[0].at("notice");
    EXPECT_EQ(run.prints[1].at("screenState"), "50");
    // The options file cannot be written back at the end: said, and nothing half-written.
    EXPECT_NE(messages.find("Brimzel.ini"), std::string::npos) << messages;
    EXPECT_EQ(tree.optionLines().size(), 31u);
}

} // namespace
