// brimzel-replay [--watch] [ROOT] SCRIPT: runs the game with the clock and the keys of SCRIPT (a
// hand-written script or a recording of a run) and prints what the script asks; from the
// installation tree ROOT, or without it from the installation this program belongs to, with the
// user's files as the game has them. Headless and silent; --watch shows it in a window with sound;
// --window draws it, silent and unpaced, full screen or not as the options file says, and its
// shots are the window as the screen shows it. The run reads the tree but writes only into a
// scratch copy of the player's files, removed afterwards; --in-place writes into the tree.
#include "common/command_line.hpp"
#include "game/replay/child_run.hpp"
#include "game/replay/replay_runner.hpp"
#include "game/replay/replay_watch.hpp"
#include "game/replay/scratch_tree.hpp"

#include <charconv>
#include <fstream>
#include <iostream>
#include <string>

namespace {

std::string usage(const common::FileLayout& layout) {
    return common::formatUsage(
        {"brimzel-replay [--help] [--version] [--watch | --window] [--output DIR]\n"
         "               [--max-frames N] [--in-place] [ROOT] SCRIPT",
         "Runs Brimzel headless and silent with the clock and the keys of SCRIPT (a script, a\n"
         "recording made with brimzel --record or a crash replay; a recording carries the files\n"
         "its run read) and prints what it asks, to reproduce a run frame for frame.\n"
         "ROOT: a portable tree to run instead of this installation. The run writes into a\n"
         "scratch copy of your files, removed afterwards; the tree is only read.\n"
         "--watch: show the replay in a window with sound (Space pauses, Right runs faster,\n"
         "Escape stops). --window: draw it in a window, full screen or not as the options file\n"
         "says, silent and unpaced; its shots are the window as the screen shows it.\n"
         "--output DIR: the folder for the script's shots (plain names ending in .png; default\n"
         "the current folder). --max-frames N: allow scripts of up to N frames (1000000).\n"
         "--in-place: write into the tree itself, as the game would (for tests and tools that\n"
         "own the tree).",
         "SCRIPT and what the game reads",
         "with --in-place what the game writes; the script's shots into DIR"},
        layout);
}

// The script, read up to one byte past the ceiling so that the parser can name where it is
// passed.
bool readScript(const std::string& name, std::uint64_t largest, std::string& text) {
    std::ifstream file(name, std::ios::binary);
    if (!file)
        return false;
    std::string buffer(64 * 1024, '\0');
    while (text.size() <= largest && file) {
        file.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
        text.append(buffer.data(), static_cast<std::size_t>(file.gcount()));
    }
    if (text.size() > largest + 1)
        text.resize(largest + 1);
    return !file.bad();
}

} // namespace

int main(int argc, char** argv) {
    const common::FileLayout layout = common::findLayout(common::programFolder(argv[0]));
    const auto line = common::parseCommandLine(
        argc, argv,
        {{"--watch", false},
         {"--window", false},
         {"--in-place", false},
         {"--output", true},
         {"--max-frames", true}},
        1, 2, [&] { return usage(layout); }, std::cout, std::cerr);
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
    if (const auto output = line.options.find("--output"); output != line.options.end())
        options.outputFolder = output->second;
    ReplayLimits limits;
    if (const auto most = line.options.find("--max-frames"); most != line.options.end()) {
        std::uint64_t frames = 0;
        const std::string& text = most->second;
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), frames);
        if (ec != std::errc() || end != text.data() + text.size() || frames == 0 ||
            frames > 1'000'000'000'000u) {
            std::cerr << "brimzel-replay: --max-frames takes a whole number of frames\n";
            return 2;
        }
        limits = ReplayLimits::forFrames(frames);
    }

    const std::string& scriptFile = line.operands.back();
    std::string text;
    if (!readScript(scriptFile, limits.bytes, text)) {
        std::cerr << "brimzel-replay: cannot read " << scriptFile << '\n';
        return 1;
    }
    const auto script = parseReplayScript(text, scriptFile, limits);
    if (!script) {
        std::cerr << "brimzel-replay: " << script.message() << '\n';
        return 1;
    }
    text = {};
    options.scriptName = scriptFile;

    const common::FileLayout source =
        line.operands.size() == 2 ? common::portableLayout(line.operands.front()) : layout;
    if (line.options.count("--in-place")) {
        if (const auto seeded = common::seedUserFolder(source); !seeded) {
            std::cerr << "brimzel-replay: " << seeded.message() << '\n';
            return 1;
        }
        if (source.isSystem())
            options.userFolder = source.userFolder;
        return runReplay(source.dataFolder, script.value(), std::cout, std::cerr, options);
    }
    ChildEnd end;
    {
        ChildRun child; // before the scratch, so that the scratch goes before a signal acts
        const ScratchFolder scratch;
        common::Status ready = scratch.made();
        if (ready)
            ready = prepareScratchTree(source, scratch.path());
        if (!ready) {
            std::cerr << "brimzel-replay: " << ready.message() << '\n';
            return 1;
        }
        options.userFolder = scratch.path();
        // In a child, so that the scratch goes whatever way the run ends.
        end = child.run([&] {
            return runReplay(source.dataFolder, script.value(), std::cout, std::cerr, options);
        });
    }
    return endLikeChild(end);
}
