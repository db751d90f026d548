// The options file through the readers of the game and of both editors.
#include "common/options_file.hpp"
#include "fuzz/input_file.hpp"

#include <cmath>

namespace {

void checkGameOptions(const std::filesystem::path& path) {
    auto read = common::readGameOptions(path);
    if (!read) {
        return;
    }
    const auto& options = read.value();
    if (options.optionLines.size() != common::kOptionsLines - 1) {
        fuzz::fail("the game keeps a line count other than 30");
    }
    if (options.userLevelCount < 0 || options.startScreenState < 0 || options.screenshotCount < 0) {
        fuzz::fail("the game accepted a negative count");
    }
    for (const auto* table : {&options.kindSpeed, &options.kindFollowSpeed, &options.kindReaction,
                              &options.kindFollowTime, &options.kindSleepTime}) {
        // Negative values are allowed (the insects cope), but never beyond a 32-bit whole number.
        for (double value : *table) {
            if (!std::isfinite(value) || std::fabs(value) > 2147483648.0) {
                fuzz::fail("the game accepted an enemy value beyond a 32-bit whole number");
            }
        }
    }
}

void checkLevelEditorOptions(const std::filesystem::path& path) {
    auto read = common::readLevelEditorOptions(path);
    if (!read) {
        return;
    }
    if (read.value().userLevelCount < 0 || read.value().userLevelCount > 16) {
        fuzz::fail("the level editor accepted a user level count outside 0..16");
    }
    if (read.value().lines.size() != common::kOptionsLines) {
        fuzz::fail("the level editor keeps a line count other than 31");
    }
}

// What the options editor opens it can save, and reading the saved file gives the same fields.
void checkOptionsEditor(const std::filesystem::path& path, bool currentFile) {
    auto read = common::readOptionsEditorFile(path, currentFile, "Screenshots:7");
    if (!read) {
        return;
    }
    const auto saved = fuzz::scratchFolder() / "saved.ini";
    if (!common::writeOptionsEditorFile(saved, read.value())) {
        fuzz::fail("the options editor cannot save a file it opened");
    }
    auto again = common::readOptionsEditorFile(saved, true);
    if (!again) {
        fuzz::fail("the options editor cannot open a file it saved");
    }
    const auto& a = read.value();
    const auto& b = again.value();
    if (a.windowMode != b.windowMode || a.language != b.language || a.music != b.music ||
        a.sounds != b.sounds || a.alert != b.alert || a.keptLines != b.keptLines ||
        a.intro != b.intro) {
        fuzz::fail("saving and opening changed the options editor's settings");
    }
    for (std::size_t kind = 0; kind < a.enemyValues.size(); ++kind) {
        for (std::size_t field = 0; field < a.enemyValues[kind].size(); ++field) {
            const auto& before = a.enemyValues[kind][field];
            if (!before.empty() && before != b.enemyValues[kind][field]) {
                fuzz::fail("saving and opening changed an enemy value");
            }
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto path = fuzz::writeInputFile("Brimzel.ini", data, size);
    checkGameOptions(path);
    checkLevelEditorOptions(path);
    checkOptionsEditor(path, true);
    checkOptionsEditor(path, false);
    return 0;
}
