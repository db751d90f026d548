// Brimzel: the game. It runs from its installation tree: the folder above its own is the
// working directory, so it starts the same from a launcher or any shell folder.
//   Brimzel --record FILE   also writes the run as a replay script to FILE
#include "game/shell/crash_replay.hpp"
#include "game/shell/frame_loop.hpp"
#include "game/shell/game_state.hpp"
#include "game/shell/notices.hpp"
#include "game/shell/session_recording.hpp"
#include "game/shell/startup.hpp"

#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <random>
#include <system_error>

namespace {

std::filesystem::path installationRoot(const char* argv0) {
    std::error_code ec;
    std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec)
        program = std::filesystem::absolute(argv0, ec);
    return program.parent_path().parent_path();
}

struct GameArguments {
    std::filesystem::path recordFile; // empty: not asked
    bool ok = true;
};

// Taken before the working directory changes, so a relative file is the shell's.
GameArguments readArguments(int argc, char** argv) {
    GameArguments arguments;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--record") == 0 && i + 1 < argc) {
            std::error_code ec;
            arguments.recordFile = std::filesystem::absolute(argv[++i], ec);
        } else {
            std::fprintf(stderr, "Brimzel: unknown argument %s\nusage: Brimzel [--record FILE]\n",
                         argv[i]);
            arguments.ok = false;
        }
    }
    return arguments;
}

} // namespace

int main(int argc, char** argv) {
    const GameArguments arguments = readArguments(argc, argv);
    if (!arguments.ok)
        return 2;
    const std::filesystem::path root = installationRoot(argv[0]);
    std::error_code ec;
    std::filesystem::current_path(root, ec);
    if (ec) {
        reportFatalError(
            "cannot enter the installation folder " + root.string() + ": " + ec.message(), true);
        return 1;
    }

    GameState state;
    StartupSettings settings;
    settings.root = root;
    settings.seed = std::random_device{}();
    if (const auto started = startGame(state, settings); !started) {
        reportFatalError(started.message(), true);
        return 1;
    }
    // Every session is kept in memory for the crash replay; a file only when asked.
    SessionRecording recording;
    if (const auto recorded = startRecording(recording, state, settings.seed, arguments.recordFile);
        !recorded) {
        reportFatalError(recorded.message(), true);
        return 1;
    }
    writeCrashReplayOnFatalSignals(recording);
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
                     arguments.recordFile.c_str());
    shutdownGame(state);
    return 0;
}
