// Replay scripts and recordings as the runner takes them before the first frame: parsed, checked
// and their carried files laid into a scratch tree. Nothing may land outside the scratch tree and
// the output folder, only under a name a recording may carry, and with the bytes it carries.
#include "game/recording/carried_files.hpp"
#include "game/replay/recorded_files.hpp"
#include "game/replay/replay_script.hpp"

#include "fuzz/input_file.hpp"

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <string_view>

namespace fs = std::filesystem;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto script = parseReplayScript(text, "r.replay");
    if (!script) {
        if (script.message().rfind("r.replay, line ", 0) != 0)
            fuzz::fail("a refusal that does not name the file and the line");
        return 0;
    }
    // jail/tree is the tree the replay reads, jail/out the folder its pictures go to.
    const fs::path jail = fuzz::scratchFolder() / "jail";
    fs::remove_all(jail);
    fs::create_directories(jail / "tree");
    fs::create_directories(jail / "out");
    const bool laid = static_cast<bool>(layRecordedFiles(jail / "tree", script.value()));

    std::map<std::string, std::string> carried; // the last bytes carried under each name
    for (const ReplayCommand& command : script.value())
        if (command.kind == ReplayCommand::Kind::File && command.carried) {
            if (!carriableFileName(command.path))
                fuzz::fail("a carried file under a name outside the tree's own");
            carried[command.path] = command.text;
        }
    for (const auto& entry : fs::directory_iterator(fuzz::scratchFolder()))
        if (entry.path().filename() != "jail")
            fuzz::fail("a file written beside the scratch tree");
    for (const auto& entry : fs::recursive_directory_iterator(jail)) {
        const fs::path relative = entry.path().lexically_relative(jail);
        const std::string top = relative.begin()->string();
        if (top != "tree" && top != "out")
            fuzz::fail("a file written outside the scratch tree and the output folder");
        if (top == "out" || (entry.is_directory() && !entry.is_symlink()))
            continue;
        if (!entry.is_regular_file())
            fuzz::fail("something other than a file laid into the tree");
        const std::string name = relative.lexically_relative("tree").generic_string();
        const auto it = carried.find(name);
        if (it == carried.end())
            fuzz::fail("a file laid under a name the recording does not carry");
        std::ifstream in(entry.path(), std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        if (laid && bytes.str() != it->second)
            fuzz::fail("a laid file differs from the bytes the recording carries");
    }
    return 0;
}
