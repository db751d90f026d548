// brimzel-replay ROOT SCRIPT: runs the game from the installation tree ROOT, headless and
// silent, with the clock and the keys of SCRIPT, and prints what the script asks.
#include "game/shell/replay_runner.hpp"

#include <fstream>
#include <iostream>
#include <sstream>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: brimzel-replay ROOT SCRIPT\n";
        return 2;
    }
    std::ifstream file(argv[2], std::ios::binary);
    if (!file) {
        std::cerr << "brimzel-replay: cannot read " << argv[2] << '\n';
        return 1;
    }
    std::ostringstream text;
    text << file.rdbuf();
    const auto script = parseReplayScript(text.str(), argv[2]);
    if (!script) {
        std::cerr << "brimzel-replay: " << script.message() << '\n';
        return 1;
    }
    return runReplay(argv[1], script.value(), std::cout, std::cerr);
}
