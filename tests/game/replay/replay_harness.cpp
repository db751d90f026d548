#include "replay_harness.hpp"

#include "common/options_file.hpp"
#include "common/text_lines.hpp"
#include "game/replay/replay_runner.hpp"
#include "game/replay/replay_script.hpp"

#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::vector<PrintedState> parsePrints(const std::string& output) {
    std::vector<PrintedState> prints;
    PrintedState current;
    std::istringstream in(output);
    for (std::string line; std::getline(in, line);) {
        const auto space = line.find(' ');
        if (space == std::string::npos)
            continue;
        current[line.substr(0, space)] = line.substr(space + 1);
        if (line.rfind("frame ", 0) == 0) {
            prints.push_back(current);
            current.clear();
        }
    }
    return prints;
}

std::vector<std::string> nonEmptyLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        if (!line.empty())
            lines.push_back(line);
    return lines;
}

std::string twoDecimals(double value) {
    std::ostringstream out;
    out << value;
    return out.str();
}

} // namespace

double number(const PrintedState& state, const std::string& name) {
    auto it = state.find(name);
    if (it == state.end()) {
        ADD_FAILURE() << "no value " << name;
        return 0;
    }
    return std::stod(it->second);
}

double differingShare(const fs::path& a, const fs::path& b, ShotArea area) {
    SDL_Surface* first = IMG_Load(a.c_str());
    SDL_Surface* second = IMG_Load(b.c_str());
    EXPECT_TRUE(first && second) << IMG_GetError();
    if (!first || !second)
        return 0;
    SDL_Surface* x = SDL_ConvertSurfaceFormat(first, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_Surface* y = SDL_ConvertSurfaceFormat(second, SDL_PIXELFORMAT_ARGB8888, 0);
    long differing = 0;
    const long total = static_cast<long>(area.x2 - area.x1) * (area.y2 - area.y1);
    for (int row = area.y1; row < area.y2; ++row) {
        const auto* p =
            reinterpret_cast<const Uint32*>(static_cast<Uint8*>(x->pixels) + row * x->pitch);
        const auto* q =
            reinterpret_cast<const Uint32*>(static_cast<Uint8*>(y->pixels) + row * y->pitch);
        for (int col = area.x1; col < area.x2; ++col)
            differing += p[col] != q[col];
    }
    SDL_FreeSurface(first);
    SDL_FreeSurface(second);
    SDL_FreeSurface(x);
    SDL_FreeSurface(y);
    return static_cast<double>(differing) / total;
}

ReplayTree::ReplayTree() {
    static std::atomic<int> counter{0};
    root_ = fs::temp_directory_path() /
            ("brimzel-replay-" + std::to_string(getpid()) + "-" + std::to_string(counter++));
    fs::remove_all(root_);
    fs::create_directories(root_ / "bin");
    const fs::path tree = BRIMZEL_TREE;
    for (const char* folder : {"gfx", "sound", "levels", "highscore", "save", "options"})
        if (fs::exists(tree / folder))
            fs::copy(tree / folder, root_ / folder, fs::copy_options::recursive);
    fs::create_directories(root_ / "levels" / "user");
    fs::create_directories(root_ / "screenshots");
    if (fs::exists(tree / "bin" / "Brimzel.ini"))
        fs::copy_file(tree / "bin" / "Brimzel.ini", optionsPath());
    else
        EXPECT_TRUE(common::writeDefaultOptionsFile(optionsPath()));
    setOptionLine(10, "GamePosition:200");
}

ReplayTree::~ReplayTree() {
    std::error_code ignored;
    if (!std::getenv("BRIMZEL_KEEP_REPLAY_TREE"))
        fs::remove_all(root_, ignored);
}

std::vector<std::string> ReplayTree::optionLines() const {
    auto lines = common::readTextLines(optionsPath(), 100);
    EXPECT_TRUE(lines) << lines.message();
    return lines ? lines.value() : std::vector<std::string>{};
}

void ReplayTree::setOptionLine(int lineNumber, const std::string& text) {
    auto lines = optionLines();
    ASSERT_GE(static_cast<int>(lines.size()), lineNumber);
    lines[lineNumber - 1] = text;
    ASSERT_TRUE(common::writeTextLines(optionsPath(), lines));
}

void ReplayTree::writeLevel(int number, const TestLevel& level) {
    std::vector<std::string> lines = {
        ">> Brimzel Level File <<",
        "map:map" + std::to_string(level.map),
        "FlyX:" + twoDecimals(level.flyX),
        "FlyY:" + twoDecimals(level.flyY),
        "GravitationX:" + std::to_string(level.gravityX),
        "GravitationY:" + std::to_string(level.gravityY),
        "bubbles:" + std::to_string(level.bubbles),
        "minutes:" + std::to_string(level.minutes),
        "seconds:" + std::to_string(level.seconds),
        "enemy:" + std::to_string(level.enemies.size()),
    };
    for (const TestEnemy& e : level.enemies) {
        lines.push_back("enemyindex:" + std::to_string(e.kind));
        lines.push_back("enemyx:" + twoDecimals(e.x));
        lines.push_back("enemyy:" + twoDecimals(e.y));
        lines.push_back("enemyangle:" + std::to_string(e.angle));
    }
    ASSERT_TRUE(common::writeTextLines(
        root_ / "levels" / ("level" + std::to_string(number) + ".lev"), lines));
}

void ReplayTree::writeMask(int map, const std::vector<Rect>& rects, std::uint32_t ground) {
    SDL_Surface* surface =
        SDL_CreateRGBSurfaceWithFormat(0, 1024, 768, 32, SDL_PIXELFORMAT_ARGB8888);
    ASSERT_TRUE(surface);
    SDL_FillRect(surface, nullptr, ground);
    for (const Rect& r : rects) {
        SDL_Rect area{r.x1, r.y1, r.x2 - r.x1, r.y2 - r.y1};
        SDL_FillRect(surface, &area, r.color);
    }
    const fs::path path =
        root_ / "gfx" / "game" / "maps" / ("map" + std::to_string(map) + "_mask.png");
    fs::create_directories(path.parent_path());
    EXPECT_EQ(IMG_SavePNG(surface, path.c_str()), 0) << IMG_GetError();
    SDL_FreeSurface(surface);
}

ReplayRun ReplayTree::run(const std::string& script,
                          const std::vector<std::string>& expectedNotices) {
    ReplayRun result;
    const auto parsed = parseReplayScript(script, "test script");
    EXPECT_TRUE(parsed) << parsed.message();
    if (!parsed)
        return result;
    std::ostringstream out, err;
    testing::internal::CaptureStderr();
    // In place: the tests own the tree and look at what the run wrote there. Shots go there too.
    ReplayOptions options;
    options.outputFolder = root_;
    result.exitCode = runReplay(root_, parsed.value(), out, err, options);
    result.notices = nonEmptyLines(testing::internal::GetCapturedStderr());
    result.output = out.str();
    result.errors = err.str();
    result.prints = parsePrints(result.output);
    for (const std::string& line : nonEmptyLines(result.errors))
        result.notices.push_back(line);
    for (const std::string& line : result.notices) {
        const bool expected =
            std::any_of(expectedNotices.begin(), expectedNotices.end(),
                        [&line](const std::string& part) { return line.find(part) != line.npos; });
        EXPECT_TRUE(expected) << "unexpected notice: " << line;
    }
    return result;
}

ReplayRun ReplayTest::play(const std::string& script,
                           const std::vector<std::string>& expectedNotices) {
    ReplayRun run = tree.run(script, expectedNotices);
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    return run;
}

void ReplayTest::placeFlyBetweenOpenSquares() {
    tree.writeMask(
        5, {{600, 200, 610, 210, kOpen}, {600, 410, 610, 420, kOpen}, {640, 0, 650, 768, kWall}});
    level.flyX = 605;
    level.flyY = 330;
    level.gravityX = 1020;
    level.gravityY = 330;
}

void OpenSquareLevel::SetUp() {
    tree.writeMask(5, {{100, 650, 120, 670, kOpen}});
    level.gravityX = 850;
    level.gravityY = 760;
    tree.writeLevel(1, level);
}

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}
