// The saved game: only values a save can hold are accepted.
#include "common/saved_progress.hpp"
#include "fuzz/input_file.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto path = fuzz::writeInputFile("save.txt", data, size);
    auto read = common::LoadProgress(path);
    if (!read) {
        return 0;
    }
    const auto& saved = read.value();
    // Level 17 is a save made after the last level; lives may all be spent.
    if (saved.levelNumber < 1 || saved.levelNumber > 17 || saved.energy < 0 || saved.energy > 100 ||
        saved.lives < 0 || saved.displayedScore < 0) {
        fuzz::fail("a save was accepted with a value no save can hold");
    }
    return 0;
}
