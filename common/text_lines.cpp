#include "common/text_lines.hpp"

#include "common/atomic_file.hpp"
#include "common/windows1250.hpp"

#include <fstream>
#include <optional>
#include <system_error>

namespace common {
namespace {

bool isJunkByte(unsigned char byte) {
    return (byte < 0x20 && byte != '\t') || byte == 0x7F || isUndefinedWindows1250Byte(byte);
}

} // namespace

Error lineError(const std::filesystem::path& path, std::size_t lineNumber, std::string_view what) {
    return Error{ErrorKind::badContent,
                 path.string() + ": line " + std::to_string(lineNumber) + ": expected " +
                     std::string(what),
                 lineNumber};
}

Status requireLines(const std::filesystem::path& path, const std::vector<std::string>& lines,
                    std::size_t needed) {
    if (lines.size() >= needed) {
        return {};
    }
    return Error{ErrorKind::badContent,
                 path.string() + ": line " + std::to_string(lines.size() + 1) + ": expected " +
                     std::to_string(needed) + " lines, the file ends after " +
                     std::to_string(lines.size()),
                 lines.size() + 1};
}

namespace {

// The reader of both: a strict reader stops reading soon after the first fault, so a large
// binary file is not read to its end.
Result<std::vector<TextLine>> readLines(const std::filesystem::path& path, std::size_t maxLines,
                                        bool stopAtFault) {
    std::error_code ec;
    // Only plain files: a folder or a pipe would read as nothing or block.
    if (!std::filesystem::is_regular_file(path, ec)) {
        return Error{ErrorKind::missingFile, path.string() + ": file not found"};
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return Error{ErrorKind::missingFile, path.string() + ": file cannot be opened"};
    }
    std::vector<TextLine> lines;
    std::string current;
    std::optional<Error> fault;
    bool faultSeen = false;
    bool pendingCr = false;
    bool lineOpen = false;
    auto markFault = [&](std::string_view what) {
        if (!fault) {
            fault = lineError(path, lines.size() + 1, what);
        }
        faultSeen = true;
    };
    auto endLine = [&] {
        lines.push_back({windows1250ToUtf8(current), std::move(fault)});
        current.clear();
        fault.reset();
        lineOpen = false;
    };
    char buffer[4096];
    while (lines.size() < maxLines) {
        in.read(buffer, sizeof buffer);
        const std::streamsize got = in.gcount();
        if (got <= 0) {
            break;
        }
        for (std::streamsize i = 0; i < got && lines.size() < maxLines; ++i) {
            const auto byte = static_cast<unsigned char>(buffer[i]);
            if (pendingCr) {
                pendingCr = false;
                if (byte == '\n') {
                    endLine();
                    continue;
                }
                markFault("text, found a carriage return alone");
            }
            if (byte == '\r') {
                pendingCr = true;
                lineOpen = true;
                continue;
            }
            if (byte == '\n') {
                endLine();
                continue;
            }
            lineOpen = true;
            if (isJunkByte(byte)) {
                markFault("text, found binary data");
                continue;
            }
            if (current.size() >= kMaxLineBytes) {
                markFault("a line of at most " + std::to_string(kMaxLineBytes) + " characters");
                continue;
            }
            current.push_back(static_cast<char>(byte));
        }
        if (stopAtFault && faultSeen) {
            break;
        }
    }
    if (in.bad()) {
        return Error{ErrorKind::missingFile, path.string() + ": file cannot be read"};
    }
    if (lines.size() < maxLines && lineOpen) {
        if (pendingCr) {
            markFault("text, found a carriage return alone");
        }
        endLine();
    }
    return lines;
}

} // namespace

Result<std::vector<TextLine>> readTextLinesEach(const std::filesystem::path& path,
                                                std::size_t maxLines) {
    return readLines(path, maxLines, false);
}

Result<std::vector<std::string>> readTextLines(const std::filesystem::path& path,
                                               std::size_t maxLines) {
    auto read = readLines(path, maxLines, true);
    if (!read) {
        return read.error();
    }
    std::vector<std::string> lines;
    for (TextLine& line : read.value()) {
        if (line.fault) {
            return *line.fault;
        }
        lines.push_back(std::move(line.text));
    }
    return lines;
}

Status writeTextLines(const std::filesystem::path& path, const std::vector<std::string>& lines) {
    std::string bytes;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].find_first_of("\r\n") != std::string::npos) {
            return Error{ErrorKind::writeFailed,
                         path.string() + ": line " + std::to_string(i + 1) + " holds a line break"};
        }
        auto encoded = utf8ToWindows1250(lines[i]);
        if (!encoded) {
            return Error{ErrorKind::writeFailed, path.string() + ": line " + std::to_string(i + 1) +
                                                     ": " + encoded.message()};
        }
        bytes += encoded.value();
        bytes += "\r\n";
    }
    return replaceFileAtomically(path, bytes);
}

} // namespace common
