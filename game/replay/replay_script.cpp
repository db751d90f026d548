#include "game/replay/replay_script.hpp"

#include "engine/engine.hpp"
#include "game/recording/carried_files.hpp"
#include "game/recording/menu_state.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <sstream>

namespace {

std::vector<std::string> words(std::string_view line) {
    std::vector<std::string> out;
    std::istringstream in{std::string(line)};
    for (std::string word; in >> word;)
        out.push_back(word);
    return out;
}

bool parseNumber(const std::string& text, double& out) {
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, out);
    return ec == std::errc() && ptr == end && std::isfinite(out);
}

bool parseWhole(const std::string& text, std::uint64_t limit, std::uint64_t& out, int base = 10) {
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, out, base);
    return ec == std::errc() && ptr == end && out <= limit;
}

// What separates words: the same white space as words() splits on.
constexpr const char* kSpace = " \t\n\v\f\r";

// The rest of the line after its first `count` words, the spaces between later words kept.
std::string afterFirstWords(std::string_view line, int count) {
    size_t at = 0;
    for (int i = 0; i < count; ++i) {
        at = line.find_first_not_of(kSpace, at);
        at = line.find_first_of(kSpace, at);
        if (at == std::string_view::npos)
            return {};
    }
    at = line.find_first_not_of(kSpace, at);
    if (at == std::string_view::npos)
        return {};
    const size_t last = line.find_last_not_of(kSpace);
    return std::string(line.substr(at, last + 1 - at));
}

// The numbers of a std::mt19937's state as its stream operator writes them.
constexpr size_t kRngStateNumbers = 625;

// A shot's name: a plain file name in the output folder, never a path or a hidden file.
bool isPlainPngName(const std::string& name) {
    if (name.size() <= 4 || name.size() > 255 || name.front() == '.' || name.front() == '-' ||
        name.compare(name.size() - 4, 4, ".png") != 0)
        return false;
    return std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               c == '.' || c == '_' || c == '-';
    });
}

// A `file` line's path: relative, each part a name, so it cannot leave the tree by itself.
bool isPathInsideTree(const std::string& path) {
    if (path.empty() || path.front() == '/')
        return false;
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find('/', start);
        if (end == std::string::npos)
            end = path.size();
        const std::string_view part(path.data() + start, end - start);
        if (part.empty() || part == "." || part == "..")
            return false;
        start = end + 1;
    }
    return true;
}

} // namespace

ReplayLimits ReplayLimits::forFrames(std::uint64_t frames) {
    ReplayLimits limits;
    limits.frames = frames;
    limits.lines = std::max(limits.lines, frames * 3);
    limits.bytes = std::max(limits.bytes, frames * 64);
    return limits;
}

common::Result<std::vector<ReplayCommand>> parseReplayScript(std::string_view text,
                                                             const std::string& scriptName,
                                                             const ReplayLimits& limits) {
    std::vector<ReplayCommand> commands;
    bool framesBegun = false; // the start lines come before the first frame
    size_t carriedBytes = 0;
    size_t rngNumbers = 0;
    std::uint64_t frames = 0;
    const std::string raise = " (brimzel-replay --max-frames raises the ceiling)";
    int lineNumber = 0;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        ++lineNumber;
        auto fail = [&](const std::string& what) {
            return common::Error{common::ErrorKind::badContent,
                                 scriptName + ", line " + std::to_string(lineNumber) + ": " + what};
        };
        if (static_cast<std::uint64_t>(lineNumber) > limits.lines)
            return fail("the script is longer than " + std::to_string(limits.lines) + " lines" +
                        raise);
        if (static_cast<std::uint64_t>(end) > limits.bytes)
            return fail("the script is larger than " + std::to_string(limits.bytes) + " bytes" +
                        raise);
        if (line.size() > limits.lineLength)
            return fail("the line is longer than " + std::to_string(limits.lineLength) +
                        " characters");
        if (const size_t hash = line.find('#'); hash != std::string_view::npos)
            line = line.substr(0, hash);
        const auto w = words(line);
        if (w.empty())
            continue;

        ReplayCommand command;
        command.line = lineNumber;
        const std::string& name = w[0];
        if (name == "frame-ms" || name == "step") {
            if (w.size() != 2)
                return fail("\"" + name + "\" takes one number");
            if (!parseNumber(w[1], command.value))
                return fail("\"" + w[1] + "\" is not a number");
            if (name == "frame-ms") {
                if (command.value <= 0 || command.value > 10000)
                    return fail("frame-ms must lie in (0, 10000]");
                command.kind = ReplayCommand::Kind::FrameMs;
            } else {
                if (command.value < 0 || command.value != std::floor(command.value))
                    return fail("step takes a whole number of frames");
                command.kind = ReplayCommand::Kind::Step;
            }
        } else if (name == "down" || name == "up" || name == "tap") {
            if (w.size() != 2)
                return fail("\"" + name + "\" takes one key");
            command.keyCode = replayKeyCode(w[1]);
            if (command.keyCode == 0)
                return fail("unknown key \"" + w[1] +
                            "\" (esc enter space up down left right s f12)");
            command.kind = name == "down" ? ReplayCommand::Kind::Down
                           : name == "up" ? ReplayCommand::Kind::Up
                                          : ReplayCommand::Kind::Tap;
        } else if (name == "shot") {
            if (w.size() != 2 || !isPlainPngName(w[1]))
                return fail("\"shot\" takes a plain file name ending in .png (letters, digits, "
                            "'.', '_', '-'), written into the output folder");
            command.kind = ReplayCommand::Kind::Shot;
            command.path = w[1];
        } else if (name == "focus") {
            if (w.size() != 2 || (w[1] != "on" && w[1] != "off"))
                return fail("\"focus\" takes on or off");
            command.kind = ReplayCommand::Kind::Focus;
            command.value = w[1] == "on" ? 1 : 0;
        } else if (name == "print" || name == "close") {
            if (w.size() != 1)
                return fail("\"" + name + "\" takes nothing");
            command.kind =
                name == "print" ? ReplayCommand::Kind::Print : ReplayCommand::Kind::Close;
        } else if (name == "seed" || name == "file") {
            if (framesBegun)
                return fail("\"" + name + "\" must come before the first frame");
            std::uint64_t number = 0;
            if (name == "seed") {
                if (w.size() != 2 || !parseWhole(w[1], UINT32_MAX, number))
                    return fail("\"seed\" takes a whole number below 2^32");
                command.kind = ReplayCommand::Kind::Seed;
            } else {
                if (w.size() != 4 || !parseWhole(w[2], UINT32_MAX, number) || w[3].size() != 16 ||
                    !parseWhole(w[3], UINT64_MAX, command.number, 16))
                    return fail("\"file\" takes a path, a size and a 16-digit hash");
                if (!isPathInsideTree(w[1]))
                    return fail("\"file\" names a file inside the tree: a relative path "
                                "without . or .. parts");
                command.kind = ReplayCommand::Kind::File;
                command.path = w[1];
            }
            command.value = static_cast<double>(number);
        } else if (name == "clock" || name == "frame") {
            if (w.size() != 3 || !parseNumber(w[1], command.value) || command.value < 0 ||
                command.value > 3'600'000 || !parseWhole(w[2], UINT32_MAX, command.number))
                return fail("\"" + name + "\" takes milliseconds and a tick");
            command.kind =
                name == "clock" ? ReplayCommand::Kind::Clock : ReplayCommand::Kind::Frame;
        } else if (name == "data") {
            // The next part of the file line's bytes, before the first frame.
            if (commands.empty() || commands.back().kind != ReplayCommand::Kind::File)
                return fail("\"data\" must follow a \"file\" line");
            ReplayCommand& file = commands.back();
            const size_t before = file.text.size();
            if (w.size() != 2 || w[1].size() > kCarriedLineChars ||
                !decodeDataLine(w[1], file.text))
                return fail("\"data\" takes one word of base64, at most 76 characters");
            carriedBytes += file.text.size() - before;
            if (file.text.size() > kMaxCarriedFileBytes || carriedBytes > kMaxCarriedBytes)
                return fail("the files a recording carries must not exceed " +
                            std::to_string(kMaxCarriedFileBytes / 1024) + " KiB each, " +
                            std::to_string(kMaxCarriedBytes / 1024 / 1024) + " MiB in all");
            file.carried = true;
            continue;
        } else if (name == "rng") {
            if (framesBegun)
                return fail("\"rng\" must come before the first frame");
            ReplayCommand* rng = nullptr;
            for (auto& earlier : commands)
                if (earlier.kind == ReplayCommand::Kind::Rng)
                    rng = &earlier;
            if (!rng) {
                command.kind = ReplayCommand::Kind::Rng;
                commands.push_back(std::move(command));
                rng = &commands.back();
            }
            for (size_t i = 1; i < w.size(); ++i) {
                std::uint64_t number = 0;
                if (!parseWhole(w[i], UINT32_MAX, number) || ++rngNumbers > kRngStateNumbers)
                    return fail("\"rng\" takes the generator's " +
                                std::to_string(kRngStateNumbers) + " whole numbers below 2^32");
                rng->text += w[i] + " ";
            }
            continue;
        } else if (name == "menu") {
            MenuState menu;
            if (framesBegun || !std::all_of(w.begin() + 1, w.end(), [&](const std::string& word) {
                    return readMenuStateWord(word, menu);
                }))
                return fail("\"menu\" takes the kept state as NAME=VALUE words (" +
                            menuStateWords(menu) + ") before the first frame");
            command.kind = ReplayCommand::Kind::Menu;
            command.text = afterFirstWords(line, 1);
        } else if (name == "expect") {
            if (w.size() < 3)
                return fail("\"expect\" takes a name and a value");
            command.kind = ReplayCommand::Kind::Expect;
            command.path = w[1];
            command.text = afterFirstWords(line, 2);
        } else {
            return fail("unknown command \"" + name + "\"");
        }
        using K = ReplayCommand::Kind;
        if (command.kind == K::Step || command.kind == K::Tap || command.kind == K::Frame) {
            const double count = command.kind == K::Step ? command.value : 1.0;
            if (count > static_cast<double>(limits.frames - frames))
                return fail("the script runs more than " + std::to_string(limits.frames) +
                            " frames" + raise);
            frames += static_cast<std::uint64_t>(count);
        }
        if (command.kind == K::Step || command.kind == K::Tap || command.kind == K::Frame ||
            command.kind == K::Shot || command.kind == K::Print)
            framesBegun = true;
        commands.push_back(std::move(command));
        if (end == text.size())
            break;
    }
    // A carried file must be whole, under one of the tree's own names, and the generator's
    // state complete.
    for (ReplayCommand& command : commands) {
        // An empty file needs no data lines to be carried whole.
        if (command.kind == ReplayCommand::Kind::File && command.value == 0 &&
            command.number == replayFileHash("") && carriableFileName(command.path))
            command.carried = true;
        auto fail = [&](const std::string& what) {
            return common::Error{common::ErrorKind::badContent, scriptName + ", line " +
                                                                    std::to_string(command.line) +
                                                                    ": " + what};
        };
        if (command.kind == ReplayCommand::Kind::File && command.carried) {
            if (!carriableFileName(command.path))
                return fail(command.path + " is not a file a recording may carry");
            if (static_cast<double>(command.text.size()) != command.value ||
                replayFileHash(command.text) != command.number)
                return fail("the data of " + command.path + " differ from its size or hash");
        }
        if (command.kind == ReplayCommand::Kind::Rng && rngNumbers != kRngStateNumbers)
            return fail("\"rng\" takes the generator's " + std::to_string(kRngStateNumbers) +
                        " whole numbers below 2^32");
    }
    return commands;
}
