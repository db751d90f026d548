#include "game/recording/session_recording.hpp"

#include "game/recording/carried_files.hpp"
#include "game/recording/menu_state.hpp"
#include "game/recording/recorded_state.hpp"
#include "game/recording/script_words.hpp"
#include "game/state/game_state.hpp"

#include <cerrno>
#include <cinttypes>
#include <cstring>
#include <sstream>
#include <vector>

namespace {

constexpr std::array<const char*, kRecordedKeyCount> kKeyNames = {
    "esc", "enter", "space", "up", "down", "left", "right", "s", "f12"};
// A crash loses at most this much of the file.
constexpr std::uint32_t kFlushMs = 1000;
// Numbers of the random generator's state on one `rng` line.
constexpr int kRngNumbersPerLine = 125;

std::string clockText(const engine::Engine& e) {
    char text[48];
    // Nine digits give the float back exactly.
    std::snprintf(text, sizeof text, "%.9g %" PRIu32, static_cast<double>(e.elapsedMs()), e.tick());
    return text;
}

// Into the segment and the file.
void append(SessionRecording& r, const std::string& text) {
    r.segment.append(text);
    if (r.file)
        r.pending += text;
}

bool flushToFile(SessionRecording& r) {
    if (!r.file || r.pending.empty())
        return !r.fileFailed;
    if (std::fwrite(r.pending.data(), 1, r.pending.size(), r.file) != r.pending.size() ||
        std::fflush(r.file) != 0)
        r.fileFailed = true;
    r.pending.clear();
    return !r.fileFailed;
}

// Every file the run will read, carried whole while the caps allow.
std::string carriedFiles(const common::FileLayout& files) {
    std::string out;
    std::size_t carried = 0;
    for (const std::string& name : recordedFileNames(files)) {
        const auto bytes = readCarriableFile(files.readPath(name));
        if (!bytes)
            continue;
        const bool carry = carried + bytes->size() <= kMaxCarriedBytes;
        if (carry)
            carried += bytes->size();
        out += fileLines(name, *bytes, carry);
    }
    return out;
}

// The random generator's state on `rng` lines.
std::string rngLines(const std::mt19937& rng) {
    std::ostringstream state;
    state << rng;
    std::istringstream numbers(state.str());
    std::string out;
    int count = 0;
    for (std::string number; numbers >> number; ++count)
        out += (count % kRngNumbersPerLine == 0 ? (count ? "\nrng " : "rng ") : " ") + number;
    return out + "\n";
}

// A new segment at a return to the main menu: the game as it stands, from the files at this
// moment, the generator, the settings the game holds and the clock.
void beginSegment(SessionRecording& r, const GameState& state) {
    r.segment.clear();
    r.segmentFrames = 0;
    ++r.segments;
    r.segment.append("# Brimzel recording: brimzel-replay FILE plays it back\n"
                     "# a part of a session, from its return to the main menu\n" +
                     carriedFiles(state.files) + rngLines(state.rng));
    std::string held =
        "menu " + menuStateWords(menuStateOf(state)) + "\nclock " + clockText(*state.engine) + "\n";
    // The keys held and the focus as the last frame had them.
    for (int i = 0; i < kRecordedKeyCount; ++i)
        if (r.keys[static_cast<std::size_t>(i)])
            held += "down " + std::string(kKeyNames[static_cast<std::size_t>(i)]) + "\n";
    if (!r.focused)
        held += "focus off\n";
    r.segment.append(held);
}

} // namespace

common::Status beginRecording(SessionRecording& r, const common::FileLayout& files,
                              std::uint32_t seed, const std::filesystem::path& file) {
    r.active = false;
    r.segment.clear();
    r.pending.clear();
    r.file = nullptr;
    r.filePath.clear();
    r.fileFailed = false;
    r.frames = r.segmentFrames = 0;
    r.segments = 1;
    r.lastScreenState = -1;
    r.keys = {};
    r.focused = true;
    if (!file.empty()) {
        r.file = std::fopen(file.c_str(), "wb");
        if (!r.file)
            return common::Error{common::ErrorKind::writeFailed,
                                 "the recording " + file.string() +
                                     " cannot be written: " + std::strerror(errno)};
        r.filePath = file;
    }
    r.active = true;
    append(r, "# Brimzel recording: brimzel-replay FILE plays it back\nseed " +
                  std::to_string(seed) + "\n" + carriedFiles(files));
    if (!flushToFile(r))
        return common::Error{common::ErrorKind::writeFailed,
                             "the recording " + file.string() + " cannot be written"};
    return {};
}

void recordStartupEnd(SessionRecording& r, const GameState& state) {
    if (!r.active || !state.engine)
        return;
    append(r, "clock " + clockText(*state.engine) + "\n");
    r.lastFlushTick = state.engine->tick();
    r.lastScreenState = state.screenState;
    flushToFile(r);
}

common::Status startRecording(SessionRecording& r, const GameState& state, std::uint32_t seed,
                              const std::filesystem::path& file) {
    if (auto begun = beginRecording(r, state.files, seed, file); !begun)
        return begun;
    recordStartupEnd(r, state);
    return {};
}

void recordFrame(SessionRecording& r, const GameState& state, bool closeRequested) {
    if (!r.active || !state.engine)
        return;
    const engine::Engine& e = *state.engine;
    const bool inMenu = state.screenState >= 50 && state.screenState < 100;
    if (inMenu && r.lastScreenState >= 100)
        beginSegment(r, state);
    r.lastScreenState = state.screenState;
    std::string lines;
    if (e.hasFocus() != r.focused) {
        r.focused = e.hasFocus();
        lines += r.focused ? "focus on\n" : "focus off\n";
    }
    for (int i = 0; i < kRecordedKeyCount; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        const bool down = e.keyDown(replayKeyCode(kKeyNames[slot]));
        if (down != r.keys[slot]) {
            r.keys[slot] = down;
            lines += (down ? "down " : "up ") + std::string(kKeyNames[slot]) + "\n";
        }
    }
    if (closeRequested)
        lines += "close\n";
    lines += "frame " + clockText(e) + "\n";
    append(r, lines);
    ++r.frames;
    ++r.segmentFrames;
    const std::uint32_t now = e.tick();
    if (now - r.lastFlushTick >= kFlushMs) {
        r.lastFlushTick = now;
        flushToFile(r);
    }
}

std::string currentSegmentText(const SessionRecording& r) {
    return r.segment.text();
}

bool finishRecording(SessionRecording& r, const GameState& state) {
    if (!r.active)
        return true;
    // The clock moved on when the last frame was presented.
    append(r, "# the state as the run ended\nclock " + clockText(*state.engine) + "\n" +
                  stateFingerprint(state, r.frames));
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
