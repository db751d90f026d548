// Brimzel: the game. It runs from its installation tree: the folder above its own is the
// working directory, so it starts the same from a launcher or any shell folder.
#include "game/shell/frame_loop.hpp"
#include "game/shell/game_state.hpp"
#include "game/shell/notices.hpp"
#include "game/shell/startup.hpp"

#include <filesystem>
#include <system_error>

namespace {

std::filesystem::path installationRoot(const char* argv0) {
    std::error_code ec;
    std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec)
        program = std::filesystem::absolute(argv0, ec);
    return program.parent_path().parent_path();
}

} // namespace

int main(int /*argc*/, char** argv) {
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
    if (const auto started = startGame(state, settings); !started) {
        reportFatalError(started.message(), true);
        return 1;
    }
    while (runFrame(state)) {
    }
    return 0;
}
