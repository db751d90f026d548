// The run files beside the tables come from anywhere (runs are shared): the check the options
// editor makes before a watch takes any bytes, reads only the ends, and passes only a whole run
// of the row it is asked about.
#include "common/highscore_runs.hpp"
#include "fuzz/input_file.hpp"

#include <filesystem>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto table = fuzz::scratchFolder() / "highscore_2_4.fly";
    const auto run = common::highscoreRunPath(table, 1);
    std::error_code ignored;
    std::filesystem::create_directories(run.parent_path(), ignored);
    const auto input = fuzz::writeInputFile("run.replay", data, size);
    std::filesystem::copy_file(input, run, std::filesystem::copy_options::overwrite_existing,
                               ignored);
    const common::HighscoreRow row{"A", 20};
    const auto check = common::checkHighscoreRun(table, 1, row);
    const std::string header = common::highscoreRunHeader(table, row);
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (check.kind == common::HighscoreRunKind::watchable &&
        bytes.substr(0, header.size() - 1) != std::string_view(header).substr(0, header.size() - 1))
        fuzz::fail("a run of another row passed as watchable");
    if ((check.kind == common::HighscoreRunKind::damaged ||
         check.kind == common::HighscoreRunKind::foreign) &&
        check.reason.empty())
        fuzz::fail("a refused run is refused without a reason");
    return 0;
}
