// brimzel-replay [ROOT] SCRIPT: runs the game headless and silent with the clock and the keys
// of SCRIPT, and prints what the script asks; from the installation tree ROOT, or without it
// from the installation this program belongs to, with the user's files as the game has them.
#include "common/command_line.hpp"
#include "game/shell/replay_runner.hpp"

#include <fstream>
#include <iostream>
#include <sstream>

namespace {

std::string usage(const common::FileLayout& layout) {
    return common::formatUsage(
        {"brimzel-replay [--help] [--version] [ROOT] SCRIPT",
         "Runs Brimzel headless and silent with the clock and the keys of SCRIPT and prints\n"
         "what it asks, to reproduce a run frame for frame. ROOT: a portable tree to run\n"
         "instead of this installation.",
         "SCRIPT and what the game reads", "what the game writes, the script's shots"},
        layout);
}

} // namespace

int main(int argc, char** argv) {
    const common::FileLayout layout = common::findLayout(common::programFolder(argv[0]));
    const auto line = common::parseCommandLine(
        argc, argv, {}, 1, 2, [&] { return usage(layout); }, std::cout, std::cerr);
    if (line.exitCode)
        return *line.exitCode;
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
    if (line.operands.size() == 2)
        return runReplay(line.operands.front(), script.value(), std::cout, std::cerr);
    if (const auto seeded = common::seedUserFolder(layout); !seeded) {
        std::cerr << "brimzel-replay: " << seeded.message() << '\n';
        return 1;
    }
    return runReplay(layout.dataFolder, script.value(), std::cout, std::cerr,
                     layout.isSystem() ? layout.userFolder : std::filesystem::path());
}
