// brimzel-replay [--watch] [ROOT] SCRIPT: runs the game with the clock and the keys of SCRIPT (a
// hand-written script or a recording of a run) and prints what the script asks; from the
// installation tree ROOT, or without it from the installation this program belongs to, with the
// user's files as the game has them. Headless and silent; --watch shows it in a window with sound;
// --window draws it, silent and unpaced, full screen or not as the options file says, and its
// shots are the window as the screen shows it.
#include "common/command_line.hpp"
#include "game/replay/replay_runner.hpp"
#include "game/replay/replay_watch.hpp"

#include <fstream>
#include <iostream>
#include <sstream>

namespace {

std::string usage(const common::FileLayout& layout) {
    return common::formatUsage(
        {"brimzel-replay [--help] [--version] [--watch | --window] [ROOT] SCRIPT",
         "Runs Brimzel headless and silent with the clock and the keys of SCRIPT (a script, a\n"
         "recording made with brimzel --record or a crash replay; a recording carries the files\n"
         "its run read) and prints what it asks, to reproduce a run frame for frame. ROOT: a\n"
         "portable tree to run instead of this installation. --watch: show the\n"
         "replay in a window with sound (Space pauses, Right runs faster, Escape stops).\n"
         "--window: draw it in a window, full screen or not as the options file says, silent\n"
         "and unpaced; its shots are the window as the screen shows it.",
         "SCRIPT and what the game reads", "what the game writes, the script's shots"},
        layout);
}

} // namespace

int main(int argc, char** argv) {
    const common::FileLayout layout = common::findLayout(common::programFolder(argv[0]));
    const auto line = common::parseCommandLine(
        argc, argv, {{"--watch", false}, {"--window", false}}, 1, 2, [&] { return usage(layout); },
        std::cout, std::cerr);
    if (line.exitCode)
        return *line.exitCode;
    ReplayOptions options;
    if (line.options.count("--watch")) {
        options.window = true;
        options.beforeFrame = makeReplayWatcher();
    } else if (line.options.count("--window")) {
        options.window = true;
        options.windowAsOptionsSay = true;
    }
    const std::string& scriptFile = line.operands.back();
    std::ifstream file(scriptFile, std::ios::binary);
    if (!file) {
        std::cerr << "brimzel-replay: cannot read " << scriptFile << '\n';
        return 1;
    }
    std::ostringstream text;
    text << file.rdbuf();
    const auto script = parseReplayScript(text.str(), scriptFile);
    if (!script) {
        std::cerr << "brimzel-replay: " << script.message() << '\n';
        return 1;
    }
    options.scriptName = scriptFile;
    if (line.operands.size() == 2)
        return runReplay(line.operands.front(), script.value(), std::cout, std::cerr, options);
    if (const auto seeded = common::seedUserFolder(layout); !seeded) {
        std::cerr << "brimzel-replay: " << seeded.message() << '\n';
        return 1;
    }
    if (layout.isSystem())
        options.userFolder = layout.userFolder;
    return runReplay(layout.dataFolder, script.value(), std::cout, std::cerr, options);
}
