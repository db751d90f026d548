// A damaged installation: pictures, sounds, levels or tables missing, and folders that cannot be
// written. A picture that fails ends the game with its file named; otherwise the game goes on in
// each case and says what could not be saved.
#include "replay_harness.hpp"

#include "common/text_lines.hpp"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

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

TEST_F(DamagedTree, APictureThatFailsEndsTheGameWithItsFileNamed) {
    tree.writeLevel(1, level);
    const fs::path maps = tree.root() / "gfx" / "game" / "maps";
    // A missing mask (the walls) fails its load: the game does not start without it.
    fs::rename(maps / "map5_mask.png", maps / "kept.png");
    ReplayRun run = tree.run("step 5\nprint\n", {"map5_mask.png"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.prints.empty()) << run.output;
    EXPECT_NE(run.errors.find("cannot load " + (maps / "map5_mask.png").string()),
              std::string::npos)
        << run.errors;
    fs::rename(maps / "kept.png", maps / "map5_mask.png");

    // A map whose headers pass the check at load but whose data does not decode (a second
    // scan in a one-scan picture) fails at its first use: the menu runs, then the game ends on
    // entering the map, before its frame is shown, instead of playing on white.
    std::string bytes;
    {
        std::ifstream in(maps / "map5.jpg", std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    const std::size_t scan = bytes.find("\xFF\xDA");
    ASSERT_NE(scan, std::string::npos);
    ASSERT_EQ(bytes.substr(bytes.size() - 2), "\xFF\xD9");
    const auto byte = [&](std::size_t at) { return static_cast<std::uint8_t>(bytes[at]); };
    const std::size_t header = byte(scan + 2) * 256u + byte(scan + 3);
    bytes.insert(bytes.size() - 2, bytes.substr(scan, 2 + header) + std::string(64, '\0'));
    std::ofstream(maps / "map5.jpg", std::ios::binary) << bytes;
    run = tree.run("step 5\nprint\n" + openLevelPanel(2) + startLevel(0) + kIntoPlay + "print\n",
                   {"map5.jpg"});
    EXPECT_EQ(run.exitCode, 1);
    ASSERT_EQ(run.prints.size(), 1u) << run.output;
    EXPECT_EQ(run.prints[0].at("screenState"), "50");
    EXPECT_NE(run.errors.find("brimzel-replay: cannot load " + (maps / "map5.jpg").string()),
              std::string::npos)
        << run.errors;
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
             {"The screenshot could not be saved", "The high scores could not be saved"});
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
