// A private copy of the staged installation tree, with level files and map masks written by the
// test, and the replay driver run on it in-process.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

struct TestEnemy {
    int kind;
    double x, y;
    int angle;
};

struct TestLevel {
    int map = 5;
    double flyX = 300, flyY = 300;
    int gravityX = 1000, gravityY = 750;
    int bubbles = 5;
    int minutes = 5, seconds = 0;
    std::vector<TestEnemy> enemies;
};

// One `print` of the replay: name -> value.
using PrintedState = std::map<std::string, std::string>;

struct ReplayRun {
    int exitCode = 0;
    std::string output;
    std::string errors;
    std::vector<std::string> notices; // every line the game wrote to standard error
    std::vector<PrintedState> prints;
};

class ReplayTree {
  public:
    ReplayTree();
    ~ReplayTree();
    ReplayTree(const ReplayTree&) = delete;
    ReplayTree& operator=(const ReplayTree&) = delete;

    const std::filesystem::path& root() const { return root_; }
    std::filesystem::path optionsPath() const { return root_ / "bin" / "Brimzel.ini"; }

    // Options file lines (1-based line numbers).
    std::vector<std::string> optionLines() const;
    void setOptionLine(int lineNumber, const std::string& text);

    void writeLevel(int number, const TestLevel& level);
    // A mask of passable ground (no bubbles) with the given rectangles painted.
    struct Rect {
        int x1, y1, x2, y2;
        std::uint32_t color; // 0xAARRGGBB
    };
    void writeMask(int map, const std::vector<Rect>& rects, std::uint32_t ground = 0xFF00FF00u);

    // Runs the script in place (the run writes into this tree), its shots into the tree's root
    // (`shot play.png` is root() / "play.png"). Every notice or error line must contain one of
    // `expectedNotices`; any other fails the test, so a fault the game only reports cannot pass
    // unseen.
    ReplayRun run(const std::string& script, const std::vector<std::string>& expectedNotices = {});

  private:
    std::filesystem::path root_;
};

// The whole of a file as bytes (empty when it cannot be read).
std::string readFile(const std::filesystem::path& path);

inline constexpr std::uint32_t kWall = 0xFFFF0000u;
inline constexpr std::uint32_t kOpen = 0xFFFFFF00u;

double number(const PrintedState& state, const std::string& name);

// Share of the pixels of an area (x1, y1 to x2, y2, the ends excluded) that differ between two
// shots; the whole frame unless an area is given.
struct ShotArea {
    int x1 = 0, y1 = 0, x2 = 1024, y2 = 768;
};
double differingShare(const std::filesystem::path& a, const std::filesystem::path& b,
                      ShotArea area = {});

// A fresh tree and a level to write; each run must end cleanly.
class ReplayTest : public ::testing::Test {
  protected:
    ReplayRun play(const std::string& script, const std::vector<std::string>& expectedNotices = {});
    // Open squares above and below the fly on map 5; a wall to its right keeps the pull away.
    void placeFlyBetweenOpenSquares();

    ReplayTree tree;
    TestLevel level;
};

// Level 1 on map 5 with one open square, the pull down and to the right.
class OpenSquareLevel : public ReplayTest {
  protected:
    void SetUp() override;
};
