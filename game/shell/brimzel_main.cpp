// Brimzel: the game. It runs from its installation: the data folder is the working directory,
// so it starts the same from a launcher or any shell folder.
#include "common/command_line.hpp"
#include "game/shell/frame_loop.hpp"
#include "game/shell/game_state.hpp"
#include "game/shell/notices.hpp"
#include "game/shell/startup.hpp"

#include <filesystem>
#include <iostream>
#include <system_error>

namespace {

std::string usage(const common::FileLayout& layout) {
    return common::formatUsage(
        {"brimzel [--help] [--version]",
         "Brimzel, an arcade game: steer a fly with the arrow keys, collect bubbles, keep clear\n"
         "of the insects and race the clock. F12 ends the game, S saves a screenshot.",
         "gfx/, sound/, levels/, levels/user/, bin/Brimzel.ini, highscore/, save/save.txt",
         "bin/Brimzel.ini, highscore/, save/save.txt, screenshots/"},
        layout);
}

} // namespace

int main(int argc, char** argv) {
    const common::FileLayout layout = common::findLayout(common::programFolder(argv[0]));
    const auto line = common::parseCommandLine(
        argc, argv, {}, 0, 0, [&] { return usage(layout); }, std::cout, std::cerr);
    if (line.exitCode)
        return *line.exitCode;
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
    if (const auto started = startGame(state, settings); !started) {
        reportFatalError(started.message(), true);
        return 1;
    }
    while (runFrame(state)) {
    }
    return 0;
}
