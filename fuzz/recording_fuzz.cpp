// Recordings and replay scripts: any bytes read as commands or fail with the file and line.
#include "game/replay/replay_script.hpp"

#include "fuzz/input_file.hpp"

#include <algorithm>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto script = parseReplayScript(text, "r.replay");
    if (!script) {
        if (script.message().rfind("r.replay, line ", 0) != 0) {
            fuzz::fail("a refusal that does not name the file and the line");
        }
        return 0;
    }
    const int lines = static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 1;
    using Kind = ReplayCommand::Kind;
    bool framesBegun = false;
    for (const ReplayCommand& c : script.value()) {
        if (c.line < 1 || c.line > lines) {
            fuzz::fail("a command names a line the file does not have");
        }
        if ((c.kind == Kind::Down || c.kind == Kind::Up || c.kind == Kind::Tap) && c.keyCode == 0) {
            fuzz::fail("a key command without a key");
        }
        if ((c.kind == Kind::Clock || c.kind == Kind::Frame || c.kind == Kind::FrameMs) &&
            !(c.value >= 0 && c.value <= 3'600'000)) {
            fuzz::fail("a clock the engine cannot show");
        }
        if (c.kind == Kind::Expect && (c.path.empty() || c.text.empty())) {
            fuzz::fail("an expected field without a name or a value");
        }
        if ((c.kind == Kind::Seed || c.kind == Kind::File) && framesBegun) {
            fuzz::fail("a start line after the first frame");
        }
        framesBegun = framesBegun || c.kind == Kind::Step || c.kind == Kind::Tap ||
                      c.kind == Kind::Frame || c.kind == Kind::Shot || c.kind == Kind::Print;
    }
    return 0;
}
