#include "common/options_file.hpp"
#include "content/content.hpp"
#include "content/data/highscores.hpp"
#include "content/data/levels.hpp"

#include <filesystem>
#include <stdexcept>

namespace content {

void writeData(const Context& ctx) {
    // The folders the programs write into exist from the start.
    for (const char* folder :
         {"bin", "levels/user", "highscore/default", "save", "screenshots", "options"})
        std::filesystem::create_directories(ctx.root / folder);
    data::writeBuiltInLevels(ctx.root);
    data::writeHighscoreTables(ctx.root);
    const common::Status options =
        common::writeDefaultOptionsFile(common::optionsFilePath(ctx.root));
    if (!options)
        throw std::runtime_error(options.message());
}

} // namespace content
