// High-score tables: whatever reads as a table writes back and reads the same.
#include "common/highscore_file.hpp"
#include "fuzz/input_file.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto path = fuzz::writeInputFile("highscore.fly", data, size);
    auto read = common::readHighscoreFile(path);
    if (!read) {
        return 0;
    }
    const auto saved = fuzz::scratchFolder() / "saved.fly";
    if (!common::writeHighscoreFile(saved, read.value())) {
        fuzz::fail("a table that was read cannot be written");
    }
    auto again = common::readHighscoreFile(saved);
    if (!again || again.value().highscoreNames != read.value().highscoreNames ||
        again.value().highscorePoints != read.value().highscorePoints) {
        fuzz::fail("writing and reading changed the table");
    }
    // Entering a score must keep the table a table.
    auto table = read.value();
    const std::int16_t place = common::insertScore(table, read.value().highscorePoints[0] + 1);
    if (place < 0 || place > common::kHighscorePlaces) {
        fuzz::fail("a score took a place outside the table");
    }
    return 0;
}
