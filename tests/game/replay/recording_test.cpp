// A run of the real game recorded through the window back end replays bit for bit; a crash
// leaves a replay of the session beside the screenshots; --watch plays a recording in a window.
#include "replay_harness.hpp"

#include "game/recording/carried_files.hpp"
#include "game/recording/crash_replay.hpp"
#include "game/recording/session_recording.hpp"
#include "game/replay/replay_runner.hpp"
#include "game/shell/frame_loop.hpp"
#include "game/shell/startup.hpp"
#include "game/state/game_state.hpp"

#include <SDL.h>
#include <SDL_image.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <set>
#include <sstream>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

void pushKey(SDL_Scancode code, bool down) {
    SDL_Event e{};
    e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    e.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    e.key.keysym.scancode = code;
    SDL_PushEvent(&e);
}

void pushFocus(bool gained) {
    SDL_Event e{};
    e.type = SDL_WINDOWEVENT;
    e.window.event = gained ? SDL_WINDOWEVENT_FOCUS_GAINED : SDL_WINDOWEVENT_FOCUS_LOST;
    SDL_PushEvent(&e);
}

// What a player does once the game has shown a screen for a while.
struct PlayerAction {
    int screen;
    std::uint32_t afterMs;
    std::function<void()> act;
};

// A player through the main menu into the scenario's first level, flying, switching to another
// window and back, and out with F12; events reach the game through SDL's queue.
std::vector<PlayerAction> menuIntoPlayAndOut() {
    auto down = [](SDL_Scancode code) { return [code] { pushKey(code, true); }; };
    auto up = [](SDL_Scancode code) { return [code] { pushKey(code, false); }; };
    return {
        {50, 200, down(SDL_SCANCODE_RETURN)},
        {50, 300, up(SDL_SCANCODE_RETURN)},
        {50, 900, down(SDL_SCANCODE_RETURN)},
        {50, 1000, up(SDL_SCANCODE_RETURN)},
        {100, 700, down(SDL_SCANCODE_SPACE)},
        {100, 800, up(SDL_SCANCODE_SPACE)},
        {200, 1400, down(SDL_SCANCODE_RIGHT)},
        {200, 1700, down(SDL_SCANCODE_UP)},
        // The arrows' releases go to the other window.
        {200, 1900, [] { pushFocus(false); }},
        {200, 2200, [] { pushFocus(true); }},
        {200, 2400, down(SDL_SCANCODE_RETURN)},
        {200, 2500, up(SDL_SCANCODE_RETURN)},
        {200, 2700, down(SDL_SCANCODE_F12)},
    };
}

class Recording : public ReplayTest {
  protected:
    void SetUp() override {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        tree.setOptionLine(10, "GamePosition:50");
        previous_ = fs::current_path();
        fs::current_path(tree.root());
    }
    void TearDown() override { fs::current_path(previous_); }

    // Runs the real game in a window on SDL's dummy video driver, recording into `file`, until
    // the actions are done and the game ends, or `frames` frames ran.
    void playRecorded(const fs::path& file, long long frames = 20000,
                      const std::vector<PlayerAction>& actions = menuIntoPlayAndOut()) {
        StartupSettings settings;
        settings.root = tree.root();
        settings.seed = 20261208;
        ASSERT_TRUE(startGame(state, settings));
        ASSERT_TRUE(startRecording(recording, state, settings.seed, file));
        size_t next = 0;
        int screen = -1;
        std::uint32_t screenSince = 0;
        for (long long frame = 0; frame < frames && state.bLoop; ++frame) {
            const int range = state.screenState / 50 * 50;
            if (range != screen) {
                screen = range;
                screenSince = state.engine->tick();
            }
            if (next < actions.size() && actions[next].screen == screen &&
                state.engine->tick() - screenSince >= actions[next].afterMs)
                actions[next++].act();
            runFrame(state, &recording);
        }
        EXPECT_TRUE(next == actions.size() || frames < 20000) << "stuck before action " << next;
    }

    GameState state;
    SessionRecording recording;
    fs::path previous_;
};

TEST_F(Recording, APlayedRunReplaysBitForBitAndAnAlteredKeyIsNoticed) {
    const fs::path file = tree.root() / "run.replay";
    playRecorded(file);
    const std::string played = stateFingerprint(state, recording.frames);
    ASSERT_TRUE(finishRecording(recording, state));
    shutdownGame(state);
    fs::current_path(previous_);

    const std::string text = readFile(file);
    // The run went through the menu into play, lost the focus and ended with F12.
    for (const char* seen : {"expect screenState 200", "focus off", "down right", "down f12"})
        EXPECT_NE(text.find(seen), std::string::npos) << seen;
    EXPECT_EQ(text.substr(text.size() - played.size()), played);

    ReplayRun run = tree.run(text);
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_EQ(run.errors, "");
    EXPECT_EQ(run.output, "replay matches the recording\n");

    std::string altered = text;
    const size_t at = altered.find("down right");
    ASSERT_NE(at, std::string::npos);
    altered.replace(at, 10, "down left");
    run = tree.run(altered, {"the replay differs from the recording: "});
    EXPECT_NE(run.exitCode, 0);
    EXPECT_NE(run.errors.find("the replay differs from the recording: "), std::string::npos)
        << run.errors;
    EXPECT_EQ(run.output, "");
}

TEST_F(Recording, ItCarriesItsFilesAndAnOlderOneNamesAChangedFileOrACut) {
    const fs::path file = tree.root() / "run.replay";
    playRecorded(file, 30);
    ASSERT_TRUE(finishRecording(recording, state));
    state.engine.reset();
    fs::current_path(previous_);
    tree.writeLevel(1, level);

    // The recording holds the files it read: it replays as played on a tree that changed.
    const std::string carried = readFile(file);
    for (const char* name : {"file bin/Brimzel.ini ", "file levels/level1.lev ", "\ndata "})
        EXPECT_NE(carried.find(name), std::string::npos) << name;
    ReplayRun run = tree.run(carried);
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_EQ(run.output, "replay matches the recording\n");
    tree.writeLevel(1, level);

    // An older recording names its files only.
    std::string text;
    std::istringstream lines(carried);
    for (std::string line; std::getline(lines, line);)
        if (line.rfind("data ", 0) != 0)
            text += line + "\n";
    // The changed level changes the run as well.
    const std::vector<std::string> changed = {"has changed since the recording was made",
                                              "the replay differs from the recording: "};
    run = tree.run(text, changed);
    const size_t line =
        std::count(text.begin(), text.begin() + text.find("file levels/level1."), '\n');
    EXPECT_NE(run.errors.find("line " + std::to_string(line + 1) +
                              ": levels/level1.lev has changed since the recording was made"),
              std::string::npos)
        << run.errors;

    // Cut short after its third frame: played as far as it goes, and said so.
    size_t cut = 0;
    for (int i = 0; i < 3; ++i)
        cut = text.find("\nframe ", cut + 1);
    cut = text.find('\n', cut + 1);
    run = tree.run(text.substr(0, cut + 1) + "print\n", {changed[0], "it was cut short"});
    EXPECT_EQ(run.exitCode, 0);
    ASSERT_EQ(run.prints.size(), 1u);
    EXPECT_EQ(run.prints[0].at("frame"), "3");
    EXPECT_NE(run.errors.find("it was cut short"), std::string::npos) << run.errors;
}

TEST_F(Recording, EachReturnToTheMainMenuStartsASegmentThatReplaysOnItsOwn) {
    auto key = [](SDL_Scancode code, bool down) { return [code, down] { pushKey(code, down); }; };
    // Into play, out through the pause panel's leave, a step in the menu, F12.
    const std::vector<PlayerAction> actions = {
        {50, 200, key(SDL_SCANCODE_RETURN, true)},   {50, 300, key(SDL_SCANCODE_RETURN, false)},
        {50, 900, key(SDL_SCANCODE_RETURN, true)},   {50, 1000, key(SDL_SCANCODE_RETURN, false)},
        {100, 700, key(SDL_SCANCODE_SPACE, true)},   {100, 800, key(SDL_SCANCODE_SPACE, false)},
        {200, 900, key(SDL_SCANCODE_RIGHT, true)},   {200, 1100, key(SDL_SCANCODE_RIGHT, false)},
        {200, 1200, key(SDL_SCANCODE_ESCAPE, true)}, {200, 1300, key(SDL_SCANCODE_ESCAPE, false)},
        {200, 1400, key(SDL_SCANCODE_UP, true)},     {200, 1500, key(SDL_SCANCODE_UP, false)},
        {200, 1600, key(SDL_SCANCODE_RETURN, true)}, {200, 1700, key(SDL_SCANCODE_RETURN, false)},
        {50, 800, key(SDL_SCANCODE_DOWN, true)},     {50, 900, key(SDL_SCANCODE_DOWN, false)},
        {50, 1200, key(SDL_SCANCODE_F12, true)},
    };
    const fs::path file = tree.root() / "run.replay";
    playRecorded(file, 20000, actions);
    EXPECT_EQ(recording.segments, 2);
    std::ostringstream end;
    end.precision(9);
    end << "clock " << state.engine->elapsedMs() << " " << state.engine->tick() << "\n"
        << stateFingerprint(state, recording.segmentFrames);
    const std::string segment = currentSegmentText(recording) + end.str();
    ASSERT_TRUE(finishRecording(recording, state));
    shutdownGame(state);
    fs::current_path(previous_);

    // Memory holds the segment only; it starts from the files, the generator and the menu.
    const std::string whole = readFile(file);
    EXPECT_LT(recording.segmentFrames, recording.frames);
    for (const char* part : {"\nfile bin/Brimzel.ini ", "\nrng ", "\nmenu music="})
        EXPECT_NE(segment.find(part), std::string::npos) << part;
    EXPECT_EQ(segment.find("\nseed "), std::string::npos);
    EXPECT_EQ(segment.find("expect screenState 200"), std::string::npos);

    const ReplayRun run = tree.run(segment);
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_EQ(run.output, "replay matches the recording\n");
    // The file holds the whole session as one script.
    EXPECT_EQ(whole.find("\nmenu "), std::string::npos);
    EXPECT_TRUE(parseReplayScript(whole, "run.replay"));
}

TEST_F(Recording, InTheSystemLayoutItCarriesThePlayersOwnFiles) {
    const fs::path user = tree.root() / "home";
    fs::create_directories(user / "bin");
    fs::create_directories(user / "levels" / "user");
    std::ofstream(user / "bin" / "Brimzel.ini", std::ios::binary) << "mine\r\n";
    std::ofstream(user / "levels" / "user" / "level2.lev", std::ios::binary) << "a user level";
    SessionRecording system;
    ASSERT_TRUE(beginRecording(system, {tree.root(), user, {}}, 5, {}));
    const std::string text = currentSegmentText(system);
    EXPECT_NE(text.find(fileLines("bin/Brimzel.ini", "mine\r\n", true)), std::string::npos)
        << text.substr(0, 400);
    EXPECT_NE(text.find(fileLines("levels/user/level2.lev", "a user level", true)),
              std::string::npos);
}

TEST_F(Recording, AFatalErrorLeavesACrashReplayThatReplaysToTheSamePoint) {
    const fs::path point = tree.root() / "state-at-crash.txt";
    EXPECT_EXIT(
        {
            playRecorded({}, 150);
            std::ofstream(point) << "clock " << state.engine->elapsedMs() << " "
                                 << state.engine->tick() << "\n"
                                 << stateFingerprint(state, recording.frames);
            writeCrashReplayOnFatalSignals(recording);
            std::raise(SIGSEGV);
        },
        testing::KilledBySignal(SIGSEGV),
        "Brimzel: fatal error: segmentation fault; the session so far is recorded in "
        "screenshots/crash-[0-9-]+\\.replay");
    fs::current_path(previous_);

    std::vector<fs::path> crashes;
    for (const auto& entry : fs::directory_iterator(tree.root() / "screenshots"))
        crashes.push_back(entry.path());
    ASSERT_EQ(crashes.size(), 1u);
    EXPECT_EQ(crashes[0].filename().string().rfind("crash-", 0), 0u);
    const std::string text = readFile(crashes[0]);
    EXPECT_NE(text.find("# the game stopped here: segmentation fault\n"), std::string::npos);

    // Played back with the state it reached, the replay confirms it reached the same point.
    const ReplayRun run = tree.run(text + readFile(point));
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_EQ(run.output, "replay matches the recording\n");
}

TEST_F(Recording, ACrashWhileTheGameStartsLeavesACrashReplay) {
    // The game's pictures are pipes nobody writes: start-up waits for them until the signal.
    fs::copy_file(fs::path(BRIMZEL_TREE) / "bin" / "Brimzel", tree.root() / "bin" / "Brimzel");
    for (const auto& entry : fs::recursive_directory_iterator(tree.root() / "gfx" / "game"))
        if (entry.is_regular_file()) {
            fs::remove(entry.path());
            ASSERT_EQ(mkfifo(entry.path().c_str(), 0600), 0);
        }
    const std::string command =
        "cd " + tree.root().string() +
        " && { bin/Brimzel >crash.txt 2>&1 & pid=$!; sleep 3; kill -SEGV $pid; "
        "for i in $(seq 50); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done; "
        "kill -KILL $pid 2>/dev/null; wait $pid; }";
    EXPECT_NE(std::system(command.c_str()), 0);
    fs::current_path(previous_);
    EXPECT_NE(readFile(tree.root() / "crash.txt").find("the session so far is recorded in "),
              std::string::npos)
        << readFile(tree.root() / "crash.txt");
    std::vector<std::string> crashes;
    for (const auto& entry : fs::directory_iterator(tree.root() / "screenshots"))
        crashes.push_back(readFile(entry.path()));
    ASSERT_EQ(crashes.size(), 1u);
    // The start of the run: its seed and files, and no clock yet.
    EXPECT_NE(crashes[0].find("\nseed "), std::string::npos);
    EXPECT_NE(crashes[0].find("\nfile bin/Brimzel.ini "), std::string::npos);
    EXPECT_EQ(crashes[0].find("\nclock "), std::string::npos);
}

TEST_F(Recording, WatchingShowsTheRecordingInAWindowUntilItEnds) {
    if (std::system("command -v xvfb-run >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "xvfb-run is not installed";
    const fs::path file = tree.root() / "run.replay";
    playRecorded(file, 60);
    ASSERT_TRUE(finishRecording(recording, state));
    state.engine.reset();
    fs::current_path(previous_);
    std::string text = readFile(file);
    const fs::path shot = tree.root() / "watched.png";
    text.insert(text.find("# the state as the run ended"), "shot watched.png\n");
    std::ofstream(file, std::ios::binary) << text;

    const fs::path output = tree.root() / "watch.txt";
    // The OpenGL driver is unloaded at exit, so what it keeps cannot be told from a leak of ours.
    const std::string command = "ASAN_OPTIONS=\"${ASAN_OPTIONS:-}:detect_leaks=0\" "
                                "env -u SDL_VIDEODRIVER timeout 120 xvfb-run -a " +
                                (fs::path(BRIMZEL_TREE) / "bin" / "brimzel-replay").string() +
                                " --watch --output " + tree.root().string() + " " +
                                tree.root().string() + " " + file.string() + " >" +
                                output.string() + " 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0) << readFile(output);
    EXPECT_NE(readFile(output).find("replay matches the recording"), std::string::npos)
        << readFile(output);

    // The window showed the game's frames, not an empty canvas.
    SDL_Surface* picture = IMG_Load(shot.c_str());
    ASSERT_TRUE(picture) << IMG_GetError();
    SDL_Surface* pixels = SDL_ConvertSurfaceFormat(picture, SDL_PIXELFORMAT_ARGB8888, 0);
    std::set<std::uint32_t> colours;
    for (int y = 0; y < pixels->h; y += 16)
        for (int x = 0; x < pixels->w; x += 16)
            colours.insert(
                static_cast<const std::uint32_t*>(pixels->pixels)[y * pixels->pitch / 4 + x]);
    EXPECT_GT(colours.size(), 20u);
    SDL_FreeSurface(pixels);
    SDL_FreeSurface(picture);
}

} // namespace
