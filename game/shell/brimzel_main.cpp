// Brimzel: the game. It runs from its installation: the data folder is the working directory,
// so it starts the same from a launcher or any shell folder.
//   brimzel --record FILE   also writes the run as a replay script to FILE
#include "common/command_line.hpp"
#include "game/recording/crash_replay.hpp"
#include "game/recording/session_recording.hpp"
#include "game/shell/frame_loop.hpp"
#include "game/shell/startup.hpp"
#include "game/state/game_state.hpp"
#include "game/state/notices.hpp"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <iostream>
#include <random>
#include <system_error>

namespace {

std::string usage(const common::FileLayout& layout) {
    return common::formatUsage(
        {"brimzel [--help] [--version] [--record FILE]",
         "Brimzel, an arcade game: steer a fly with the arrow keys, collect bubbles, keep clear\n"
         "of the insects and race the clock. F12 ends the game, S saves a screenshot.\n"
         "--record FILE writes the run as a replay script for brimzel-replay.",
         "gfx/, sound/, levels/, levels/user/, bin/Brimzel.ini, highscore/, save/save.txt",
         "bin/Brimzel.ini, highscore/, save/save.txt, screenshots/ (and crash replays there)"},
        layout);
}

// The crash handler reads the recording until main's end, and not a moment longer.
struct CrashReplayWatch {
    explicit CrashReplayWatch(const SessionRecording& recording) {
        writeCrashReplayOnFatalSignals(recording);
    }
    ~CrashReplayWatch() { stopCrashReplayWatch(); }
    CrashReplayWatch(const CrashReplayWatch&) = delete;
    CrashReplayWatch& operator=(const CrashReplayWatch&) = delete;
};

} // namespace

int main(int argc, char** argv) {
    installCrashReplayHandler();
    const common::FileLayout layout = common::findLayout(common::programFolder(argv[0]));
    const auto line = common::parseCommandLine(
        argc, argv, {{"--record", true}}, 0, 0, [&] { return usage(layout); }, std::cout,
        std::cerr);
    if (line.exitCode)
        return *line.exitCode;
    // Taken before the working directory changes, so a relative file is the shell's.
    std::filesystem::path recordFile;
    if (const auto record = line.options.find("--record"); record != line.options.end()) {
        std::error_code ec;
        recordFile = std::filesystem::absolute(record->second, ec);
    }
    if (const auto seeded = common::seedUserFolder(layout); !seeded) {
        reportFatalError(seeded.message(), true);
        return 1;
    }
    std::error_code ec;
    std::filesystem::current_path(layout.dataFolder, ec);
    if (ec) {
        reportFatalError("cannot enter the installation folder " + layout.dataFolder.string() +
                             ": " + ec.message(),
                         true);
        return 1;
    }

    GameState state;
    StartupSettings settings;
    settings.root = layout.dataFolder;
    if (layout.isSystem())
        settings.userFolder = layout.userFolder;
    settings.seed = std::random_device{}();
    // Every session is kept in memory for the crash replay, from before start-up; a file only
    // when asked.
    SessionRecording recording;
    if (const auto recorded = beginRecording(recording, layout, settings.seed, recordFile);
        !recorded) {
        reportFatalError(recorded.message(), true);
        return 1;
    }
    setCrashReplayFolder(layout.writePath("screenshots").string());
    const CrashReplayWatch watch(recording);
    if (const auto started = startGame(state, settings); !started) {
        reportFatalError(started.message(), true);
        return 1;
    }
    recordStartupEnd(recording, state);
    try {
        while (state.bLoop)
            runFrame(state, &recording);
    } catch (const std::exception& error) {
        const std::string reason = std::string("unexpected error: ") + error.what();
        const std::string replay = writeCrashReplay(recording, reason);
        reportFatalError(
            reason + (replay.empty() ? "" : "; the session so far is recorded in " + replay), true);
        return 1;
    }
    const bool recordingWritten = finishRecording(recording, state);
    if (!recordingWritten)
        std::fprintf(stderr, "Brimzel: the recording %s could not be written completely\n",
                     recordFile.c_str());
    if (!state.fatalError.empty()) {
        reportFatalError(state.fatalError, true);
        return 1;
    }
    shutdownGame(state);
    return 0;
}
