// A long run of random play through every screen: no crash or hang, the state stays within its
// ranges each frame, every table and save the game writes reads back, and memory stays flat.
// Figures are printed as `name value unit` lines.
#include "replay_harness.hpp"
#include "soak_player.hpp"

#include "common/highscore_file.hpp"
#include "common/options_file.hpp"
#include "common/saved_progress.hpp"
#include "game/shell/frame_loop.hpp"
#include "game/shell/startup.hpp"
#include "game/state/game_state.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr float kFrameMs = 16.0f;
constexpr long long kFramesPerMinute = 60'000 / 16;
constexpr long long kFramesForEveryScreen = 40'000;
constexpr long long kFramesForEveryMode = 40'000;

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_UNDEFINED__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(undefined_behavior_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif

// The suite's run; BRIMZEL_SOAK_FRAMES sets another length (the soak stage runs 200 000 frames).
long long soakFrames() {
    if (const char* text = std::getenv("BRIMZEL_SOAK_FRAMES"))
        return std::max(1LL, std::atoll(text));
    return 20'000;
}

long residentBytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

bool knownScreen(int s) {
    return (s >= 0 && s <= 7) || s == 50 || s == 100 || s == 200 || s == 300 || s == 500 ||
           s == 501;
}

// Fails the test with the frame number; after a few failures the rest are only counted.
class Invariants {
  public:
    void check(const GameState& s, long long frame) {
        expect(knownScreen(s.screenState), frame, "screenState", s.screenState);
        expect(s.energy >= 0 && s.energy <= 100, frame, "energy", s.energy);
        expect(std::isfinite(s.flyX) && std::isfinite(s.flyY), frame, "fly position", s.flyX);
        expect(s.enemyCount >= 0 && s.enemyCount <= kMaxEnemies, frame, "enemyCount", s.enemyCount);
        for (int i = 1; i <= std::min<int>(s.enemyCount, kMaxEnemies); ++i)
            expect(std::isfinite(s.enemyX[i]) && std::isfinite(s.enemyY[i]) &&
                       std::isfinite(s.enemyAngle[i]),
                   frame, "enemy position", i);
        expect(s.gameMode >= 1 && s.gameMode <= 3, frame, "gameMode", s.gameMode);
        expect(s.levelNumber >= 1, frame, "levelNumber", s.levelNumber);
        expect(s.lives >= 0 && s.lives <= 99, frame, "lives", s.lives);
        expect(s.score >= 0 && s.displayedScore >= 0, frame, "score", s.score);
        expect(s.bubblesCollected >= 0 && s.bubblesTotal >= 0, frame, "bubblesCollected",
               s.bubblesCollected);
        expect(s.minutes >= 0 && s.seconds >= 0 && s.seconds < 60, frame, "seconds", s.seconds);
        expect(s.menuItem >= 1 && s.menuItem <= 5, frame, "menuItem", s.menuItem);
        expect(s.pauseSelection >= 1 && s.pauseSelection <= 3, frame, "pauseSelection",
               s.pauseSelection);
        expect(s.newPlace >= 0 && s.newPlace <= 4, frame, "newPlace", s.newPlace);
        expect(s.selectedKey >= 1 && s.selectedKey <= 81, frame, "selectedKey", s.selectedKey);
        expect(s.bubbleX >= 0 && s.bubbleX <= 1024 && s.bubbleY >= 0 && s.bubbleY <= 768, frame,
               "bubble position", s.bubbleX);
    }
    long long violations() const { return violations_; }

  private:
    void expect(bool holds, long long frame, const char* what, double value) {
        if (holds)
            return;
        if (++violations_ <= 10)
            ADD_FAILURE() << what << " out of range (" << value << ") at frame " << frame;
    }
    long long violations_ = 0;
};

// Every table and the save file as the game left them read back with the common readers.
void expectFilesReadBack(const fs::path& root, long long frame) {
    for (const auto& entry : fs::directory_iterator(root / "highscore")) {
        if (entry.path().extension() != ".fly")
            continue;
        const auto table = common::readHighscoreFile(entry.path());
        EXPECT_TRUE(table) << "frame " << frame << ": " << table.message();
    }
    const fs::path save = common::saveFilePath(root);
    if (fs::exists(save)) {
        const auto progress = common::LoadProgress(save);
        EXPECT_TRUE(progress) << "frame " << frame << ": " << progress.message();
    }
    const auto options = common::readGameOptions(common::optionsFilePath(root));
    EXPECT_TRUE(options) << "frame " << frame << ": " << options.message();
}

class WorkingFolder {
  public:
    explicit WorkingFolder(const fs::path& folder) : previous_(fs::current_path()) {
        fs::current_path(folder);
    }
    ~WorkingFolder() {
        std::error_code ignored;
        fs::current_path(previous_, ignored);
    }

  private:
    fs::path previous_;
};

std::unique_ptr<GameState> startedGame(const fs::path& root) {
    auto state = std::make_unique<GameState>();
    StartupSettings settings;
    settings.root = root;
    settings.headless = true;
    settings.audioOutput = audio::Output::Buffer;
    settings.scriptedFrameMs = kFrameMs;
    const auto started = startGame(*state, settings);
    EXPECT_TRUE(started) << started.message();
    return started ? std::move(state) : nullptr;
}

TEST(Soak, RandomPlayThroughEveryScreenKeepsTheStateSoundAndMemoryFlat) {
    ReplayTree tree;
    tree.setOptionLine(10, "GamePosition:0");
    // Tables that start low, so ordinary random play earns places and types names.
    for (const auto& entry : fs::directory_iterator(tree.root() / "highscore")) {
        if (entry.path().extension() != ".fly")
            continue;
        common::HighscoreFile low;
        for (int place = 0; place < 4; ++place) {
            low.highscoreNames[place] = "Soak";
            low.highscorePoints[place] = static_cast<std::int16_t>(3 - place);
        }
        ASSERT_TRUE(common::writeHighscoreFile(entry.path(), low));
    }

    const fs::path root = fs::absolute(tree.root());
    WorkingFolder inTree(root);
    const long long frames = soakFrames();
    SoakPlayer player(20261208u);
    Invariants invariants;
    std::map<int, long long> visits; // screen state -> frames spent there
    std::set<int> modesPlayed;
    long long restarts = 0, levelsWon = 0, levelsLost = 0;
    long rssAtMinute = 0;
    bool wasWon = false, wasLost = false;

    const auto begin = std::chrono::steady_clock::now();
    const std::clock_t cpuBegin = std::clock();
    auto state = startedGame(root);
    ASSERT_TRUE(state);
    for (long long frame = 0; frame < frames; ++frame) {
        player.press(*state);
        if (!runFrame(*state)) {
            // The menu's exit ended the game (its options file is written): start it again.
            ++restarts;
            expectFilesReadBack(root, frame);
            state = startedGame(root);
            ASSERT_TRUE(state);
            continue;
        }
        invariants.check(*state, frame);
        ++visits[state->screenState];
        if (state->screenState >= 200 && state->screenState <= 299)
            modesPlayed.insert(state->gameMode);
        levelsWon += state->levelWon && !wasWon;
        levelsLost += state->levelLost && !wasLost;
        wasWon = state->levelWon;
        wasLost = state->levelLost;
        if (frame == kFramesPerMinute)
            rssAtMinute = residentBytes();
        if (frame % 20'000 == 0)
            expectFilesReadBack(root, frame);
        if (invariants.violations() > 1000)
            break;
    }
    const long rssAtEnd = residentBytes();
    state.reset();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    expectFilesReadBack(root, frames);

    std::printf("soak_frames %lld frames\n", frames);
    std::printf("soak_game_time %.0f s\n", frames * kFrameMs / 1000.0);
    std::printf("soak_wall_time %.1f s\n", seconds);
    std::printf("soak_cpu_time %.1f s\n",
                static_cast<double>(std::clock() - cpuBegin) / CLOCKS_PER_SEC);
    std::printf("soak_rss_first_minute %.1f MB\n", rssAtMinute / 1e6);
    std::printf("soak_rss_end %.1f MB\n", rssAtEnd / 1e6);
    std::printf(
        "soak_restarts %lld count\nsoak_levels_won %lld count\nsoak_levels_lost %lld count\n",
        restarts, levelsWon, levelsLost);
    for (const auto& [screen, count] : visits)
        std::printf("soak_screen_%d %lld frames\n", screen, count);

    EXPECT_EQ(invariants.violations(), 0);
    // A shorter run, like the suite's, need not get round every screen and mode.
    if (frames >= kFramesForEveryScreen) {
        for (int screen : {0, 1, 50, 100, 200, 300, 500, 501})
            EXPECT_GT(visits[screen], 0) << "screen state " << screen << " never reached";
    }
    if (frames >= kFramesForEveryMode) {
        for (int mode : {1, 2, 3})
            EXPECT_TRUE(modesPlayed.count(mode)) << "game mode " << mode << " never played";
    }
    // Sanitizers hold freed memory back on purpose; the figure means nothing there.
    if (frames > kFramesPerMinute && !kSanitized) {
        EXPECT_LT(rssAtEnd - rssAtMinute, 50'000'000L) << "memory grew after the first minute";
    }
}

} // namespace
