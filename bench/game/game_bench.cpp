// game-bench [--window] [TREE]: measures the game on a private copy of an installation tree
// (default: the build's tree), silent. Prints `name value unit` lines; headless:
//   startup_to_first_frame  start-up with the whole catalogue until the first frame is presented
//   bare_decode             every picture of the catalogue decoded by the image libraries alone,
//                           one after another on one thread
//   startup_to_bare_decode_ratio  what start-up costs beyond decoding its pictures
//   busy_frame_median       a playing frame on map 7 with ten enemies, all level objects and HUD
//   gameplay_steps_median   the gameplay steps of such a frame alone
//   peak_memory             the process's peak resident memory (during the measures above)
//   deferred_pictures_decoded_later  the pictures start-up leaves to their first use (JPEG
//                           files), decoded afterwards one after another on one thread
//   resident_memory_with_every_picture  then, with every picture of the catalogue decoded
// The _cpu lines give the same in CPU time of the game's thread, _process_cpu of all threads.
// With --window the game starts in a window on the real clock (run it under a display, e.g.
// xvfb-run) and the figures are the start-up to the first frame and to the first intro page, and
// the resident memory there.
#include "bench_clock.hpp"
#include "common/options_file.hpp"
#include "common/text_lines.hpp"
#include "engine/dds.hpp"
#include "game/shell/frame_loop.hpp"
#include "game/shell/resource_catalogue.hpp"
#include "game/shell/startup.hpp"
#include "game/state/game_state.hpp"

#include <SDL_image.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <time.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

double processCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

double residentMb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atof(line.c_str() + 6) / 1024.0;
    return 0.0;
}

// Every picture of the catalogue decoded as the libraries give it (no conversion, no texture),
// one after another on this thread: the floor under the start-up's own time.
double bareDecodeMs(const fs::path& root) {
    const Clock::time_point start = Clock::now();
    for (const CatalogueEntry& entry : textureCatalogue()) {
        const std::string path = (root / entry.path).string();
        if (entry.path.ends_with(".dds")) {
            engine::Image image;
            std::string error;
            engine::readDds(path, image, error);
        } else if (SDL_Surface* surface = IMG_Load(path.c_str())) {
            SDL_FreeSurface(surface);
        }
    }
    return msSince(start);
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

// A copy of the tree that starts straight into a busy level 1 on map 7, or in a window into the
// intro.
bool prepareTree(const fs::path& source, const fs::path& copy, bool window) {
    std::error_code ec;
    fs::remove_all(copy, ec);
    fs::create_directories(copy / "bin", ec);
    for (const char* folder : {"gfx", "sound", "levels", "highscore"})
        if (fs::exists(source / folder))
            fs::copy(source / folder, copy / folder, fs::copy_options::recursive, ec);
    fs::create_directories(copy / "levels", ec);
    fs::create_directories(copy / "screenshots", ec);
    const fs::path options = copy / "bin" / "Brimzel.ini";
    if (fs::exists(source / "bin" / "Brimzel.ini"))
        fs::copy_file(source / "bin" / "Brimzel.ini", options, ec);
    else if (!common::writeDefaultOptionsFile(options))
        return false;
    auto lines = common::readTextLines(options, 40);
    if (!lines || lines.value().size() < 31)
        return false;
    lines.value()[1] = window ? "GameMode:Window" : lines.value()[1];
    lines.value()[9] = window ? "GamePosition:0" : "GamePosition:200";
    if (!common::writeTextLines(options, lines.value()))
        return false;

    std::vector<std::string> level = {
        ">> Brimzel Level File <<", "map:map7",   "FlyX:200",  "FlyY:600",  "GravitationX:442",
        "GravitationY:385",         "bubbles:40", "minutes:9", "seconds:0", "enemy:10"};
    for (int i = 0; i < 10; ++i) {
        level.push_back("enemyindex:" + std::to_string(i % 4 + 1));
        level.push_back("enemyx:" + std::to_string(100 + 70 * i));
        level.push_back("enemyy:" + std::to_string(100 + 55 * i));
        level.push_back("enemyangle:" + std::to_string(36 * i));
    }
    return common::writeTextLines(copy / "levels" / "level1.lev", level).ok();
}

} // namespace

// Start-up in a window on the real clock, until the first intro page follows the loading screen.
int benchWindow(GameState& state, StartupSettings settings) {
    settings.headless = false;
    settings.scriptedFrameMs.reset();
    const Clock::time_point start = Clock::now();
    const auto started = startGame(state, settings);
    if (!started) {
        std::fprintf(stderr, "game-bench: %s\n", started.message().c_str());
        return 1;
    }
    runFrame(state);
    const double firstFrameMs = msSince(start);
    while (state.screenState < 1 && state.bLoop && msSince(start) < 60000)
        runFrame(state);
    std::printf("window_startup_to_first_frame %.3f s\n", firstFrameMs / 1000.0);
    std::printf("window_startup_to_first_intro_page %.3f s\n", msSince(start) / 1000.0);
    std::printf("window_resident_memory %.1f MB\n", residentMb());
    state.bLoop = false;
    return 0;
}

int main(int argc, char** argv) {
    const bool window = argc > 1 && std::strcmp(argv[1], "--window") == 0;
    const int treeArg = window ? 2 : 1;
    const fs::path source = argc > treeArg ? fs::path(argv[treeArg]) : fs::path(BRIMZEL_TREE);
    const fs::path copy = fs::temp_directory_path() / ("brimzel-bench-" + std::to_string(getpid()));
    if (!prepareTree(source, copy, window)) {
        std::fprintf(stderr, "game-bench: cannot prepare a copy of %s\n", source.c_str());
        return 1;
    }
    std::error_code ec;
    const fs::path previous = fs::current_path();
    fs::current_path(copy, ec);

    GameState state;
    StartupSettings settings;
    settings.root = copy;
    settings.headless = true;
    settings.audioOutput = audio::Output::Buffer;
    settings.scriptedFrameMs = 16.0f;

    if (window) {
        const int result = benchWindow(state, settings);
        fs::current_path(previous, ec);
        fs::remove_all(copy, ec);
        return result;
    }

    const Clock::time_point start = Clock::now();
    const double startCpu = cpuMs();
    const double startProcessCpu = processCpuMs();
    const auto started = startGame(state, settings);
    if (!started) {
        std::fprintf(stderr, "game-bench: %s\n", started.message().c_str());
        return 1;
    }
    runFrame(state);
    const double startupMs = msSince(start);
    const double startupCpuMs = cpuMs() - startCpu;
    const double startupProcessCpuMs = processCpuMs() - startProcessCpu;
    if (state.screenState != 200 || state.enemyCount != 10)
        std::fprintf(stderr, "game-bench: not playing the busy level (state %d, %d enemies)\n",
                     state.screenState, state.enemyCount);

    // Fly around so the fly, the enemies and the HUD change every frame.
    const int keys[] = {engine::key::Right, engine::key::Down, engine::key::Left, engine::key::Up};
    std::vector<double> frames;
    std::vector<double> frameCpu;
    for (int i = 0; i < 600 && state.screenState == 200; ++i) {
        if (i % 30 == 0) {
            for (int k : keys)
                state.engine->setKey(k, false);
            state.engine->setKey(keys[(i / 30) % 4], true);
        }
        state.energy = 100; // keep the level going
        const Clock::time_point t = Clock::now();
        const double c = cpuMs();
        runFrame(state);
        frameCpu.push_back(cpuMs() - c);
        frames.push_back(msSince(t));
    }

    std::vector<double> steps;
    std::vector<double> stepCpu;
    for (int i = 0; i < 2000 && state.screenState == 200; ++i) {
        state.energy = 100;
        const Clock::time_point t = Clock::now();
        const double c = cpuMs();
        runPlaySteps(state);
        stepCpu.push_back(cpuMs() - c);
        steps.push_back(msSince(t));
    }

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    // What start-up left to the first use: every picture not drawn yet, decoded now in turn.
    const Clock::time_point restStart = Clock::now();
    for (const CatalogueEntry& entry : textureCatalogue())
        state.engine->pixel(state.engine->texture(entry.key), 0, 0);
    const double restMs = msSince(restStart);
    const double allPicturesMb = residentMb();
    const double bareCpu = cpuMs();
    const double bareMs = bareDecodeMs(copy);
    const double bareCpuMs = cpuMs() - bareCpu;

    std::printf("startup_to_first_frame %.3f s\n", startupMs / 1000.0);
    std::printf("startup_to_first_frame_cpu %.3f s\n", startupCpuMs / 1000.0);
    std::printf("startup_to_first_frame_process_cpu %.3f s\n", startupProcessCpuMs / 1000.0);
    std::printf("bare_decode %.3f s\n", bareMs / 1000.0);
    std::printf("bare_decode_cpu %.3f s\n", bareCpuMs / 1000.0);
    std::printf("startup_to_bare_decode_ratio %.2f\n", startupMs / bareMs);
    std::printf("startup_to_bare_decode_ratio_cpu %.2f\n", startupProcessCpuMs / bareCpuMs);
    std::printf("busy_frame_median %.3f ms\n", median(frames));
    std::printf("busy_frame_median_cpu %.3f ms\n", median(frameCpu));
    std::printf("gameplay_steps_median %.4f ms\n", median(steps));
    std::printf("gameplay_steps_median_cpu %.4f ms\n", median(stepCpu));
    std::printf("peak_memory %.1f MB\n", usage.ru_maxrss / 1024.0);
    std::printf("deferred_pictures_decoded_later %.3f s\n", restMs / 1000.0);
    std::printf("resident_memory_with_every_picture %.1f MB\n", allPicturesMb);

    state.bLoop = false;
    fs::current_path(previous, ec);
    fs::remove_all(copy, ec);
    return 0;
}
