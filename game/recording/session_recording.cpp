#include "game/recording/session_recording.hpp"

#include "common/level_record.hpp"
#include "common/options_file.hpp"
#include "game/recording/recorded_state.hpp"
#include "game/recording/script_words.hpp"
#include "game/state/game_state.hpp"

#include <cerrno>
#include <cinttypes>
#include <cstring>
#include <fstream>
#include <sstream>
#include <vector>

namespace {

constexpr std::array<const char*, kRecordedKeyCount> kKeyNames = {
    "esc", "enter", "space", "up", "down", "left", "right", "s", "f12"};
// A crash loses at most this much of the file.
constexpr std::uint32_t kFlushMs = 1000;

std::string clockText(const engine::Engine& e) {
    char text[48];
    // Nine digits give the float back exactly.
    std::snprintf(text, sizeof text, "%.9g %" PRIu32, static_cast<double>(e.elapsedMs()), e.tick());
    return text;
}

// The files a run reads that decide what happens in it, relative to the installation root.
std::vector<std::filesystem::path> recordedTreeFiles() {
    std::vector<std::filesystem::path> paths{common::optionsFilePath("")};
    for (bool user : {false, true})
        for (int n = 1; n <= 16; ++n)
            paths.push_back(common::levelFilePath("", n, user));
    return paths;
}

bool flushToFile(SessionRecording& r) {
    if (!r.file || r.written == r.text.size())
        return true;
    const std::size_t count = r.text.size() - r.written;
    const bool ok = std::fwrite(r.text.data() + r.written, 1, count, r.file) == count &&
                    std::fflush(r.file) == 0;
    r.written = r.text.size();
    return ok;
}

} // namespace

common::Status startRecording(SessionRecording& r, const GameState& state, std::uint32_t seed,
                              const std::filesystem::path& file) {
    r = SessionRecording{};
    r.text.reserve(1 << 20); // a crash handler reads it: it should seldom move
    if (!file.empty()) {
        r.file = std::fopen(file.c_str(), "wb");
        if (!r.file)
            return common::Error{common::ErrorKind::writeFailed,
                                 "the recording " + file.string() +
                                     " cannot be written: " + std::strerror(errno)};
        r.filePath = file;
    }
    r.active = true;
    r.text += "# Brimzel recording: brimzel-replay ROOT FILE plays it back\n";
    r.text += "seed " + std::to_string(seed) + "\n";
    for (const auto& path : recordedTreeFiles()) {
        std::ifstream in(path, std::ios::binary);
        if (!in)
            continue;
        std::ostringstream bytes;
        bytes << in.rdbuf();
        const std::string content = bytes.str();
        char line[64];
        std::snprintf(line, sizeof line, " %zu %016" PRIx64 "\n", content.size(),
                      replayFileHash(content));
        r.text += "file " + path.generic_string() + line;
    }
    r.text += "clock " + clockText(*state.engine) + "\n";
    r.lastFlushTick = state.engine->tick();
    if (!flushToFile(r))
        return common::Error{common::ErrorKind::writeFailed,
                             "the recording " + file.string() + " cannot be written"};
    return {};
}

void recordFrame(SessionRecording& r, const GameState& state, bool closeRequested) {
    if (!r.active || !state.engine)
        return;
    const engine::Engine& e = *state.engine;
    if (e.hasFocus() != r.focused) {
        r.focused = e.hasFocus();
        r.text += r.focused ? "focus on\n" : "focus off\n";
    }
    for (int i = 0; i < kRecordedKeyCount; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        const bool down = e.keyDown(replayKeyCode(kKeyNames[slot]));
        if (down != r.keys[slot]) {
            r.keys[slot] = down;
            r.text += (down ? "down " : "up ") + std::string(kKeyNames[slot]) + "\n";
        }
    }
    if (closeRequested)
        r.text += "close\n";
    r.text += "frame " + clockText(e) + "\n";
    ++r.frames;
    const std::uint32_t now = e.tick();
    if (now - r.lastFlushTick >= kFlushMs) {
        r.lastFlushTick = now;
        flushToFile(r);
    }
}

bool finishRecording(SessionRecording& r, const GameState& state) {
    if (!r.active)
        return true;
    // The clock moved on when the last frame was presented.
    r.text += "# the state as the run ended\nclock " + clockText(*state.engine) + "\n" +
              stateFingerprint(state, r.frames);
    bool ok = flushToFile(r);
    if (r.file && std::fclose(r.file) != 0)
        ok = false;
    r.file = nullptr;
    r.active = false;
    return ok;
}

std::string stateFingerprint(const GameState& state, long long frame) {
    std::string out;
    for (const auto& [name, value] : printedFields(state, frame))
        if (!value.empty() && name != "notice")
            out += "expect " + name + " " + value + "\n";
    return out;
}
