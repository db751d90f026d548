#pragma once

#include "common/result.hpp"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace common {

// Longest line a reader accepts; every line of our files is far shorter.
inline constexpr std::size_t kMaxLineBytes = 1000;

// Reads up to maxLines lines of a Windows-1250 text file into UTF-8 strings. Lines end with
// CR LF or LF; a last line without a break counts. Lines after maxLines are not looked at.
// Fails on a missing file, a line longer than kMaxLineBytes and on binary junk (control
// bytes other than tab, a lone CR, bytes the code page leaves undefined), naming file and line.
Result<std::vector<std::string>> readTextLines(const std::filesystem::path& path,
                                               std::size_t maxLines);

// One line as read: its text, or what is wrong with it.
struct TextLine {
    std::string text;
    std::optional<Error> fault;
};

// Like readTextLines, but a faulty line does not end the reading: it carries its fault and the
// lines after it are read as well, so a damaged file gives up what still reads. Fails only on
// a missing or unreadable file.
Result<std::vector<TextLine>> readTextLinesEach(const std::filesystem::path& path,
                                                std::size_t maxLines);

// Writes UTF-8 lines as Windows-1250, each ended by CR LF, replacing the file atomically.
// Fails without touching the file when a line holds a character the code page lacks or a
// line break.
Status writeTextLines(const std::filesystem::path& path, const std::vector<std::string>& lines);

// "path: line n: expected what" — the one shape of every reader's error.
Error lineError(const std::filesystem::path& path, std::size_t lineNumber, std::string_view what);

// Fails with a "fewer lines than needed" error when lines holds fewer than needed.
Status requireLines(const std::filesystem::path& path, const std::vector<std::string>& lines,
                    std::size_t needed);

} // namespace common
