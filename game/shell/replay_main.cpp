// brimzel-replay [--watch] ROOT SCRIPT: runs the game from the installation tree ROOT with the
// clock and the keys of SCRIPT (a hand-written script or a recording of a run), and prints what
// the script asks. Headless and silent; --watch shows it in a window with sound instead.
#include "game/shell/replay_runner.hpp"
#include "game/shell/replay_watch.hpp"

#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>

int main(int argc, char** argv) {
    ReplayOptions options;
    const bool watch = argc == 4 && std::strcmp(argv[1], "--watch") == 0;
    if (argc != 3 && !watch) {
        std::cerr << "usage: brimzel-replay [--watch] ROOT SCRIPT\n";
        return 2;
    }
    if (watch) {
        options.window = true;
        options.beforeFrame = makeReplayWatcher();
    }
    const char* root = argv[argc - 2];
    const char* scriptFile = argv[argc - 1];
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
    return runReplay(root, script.value(), std::cout, std::cerr, options);
}
