#include "common/text_lines.hpp"

#include "common/atomic_file.hpp"
#include "common/windows1250.hpp"

#include <fstream>
#include <system_error>

namespace common {
namespace {

bool isJunkByte(unsigned char byte) {
    return (byte < 0x20 && byte != '\t') || byte == 0x7F || isUndefinedWindows1250Byte(byte);
}

} // namespace

Error lineError(const std::filesystem::path& path, std::size_t lineNumber, std::string_view what) {
    return Error{ErrorKind::badContent, path.string() + ": line " + std::to_string(lineNumber) +
                                            ": expected " + std::string(what)};
}

Status requireLines(const std::filesystem::path& path, const std::vector<std::string>& lines,
                    std::size_t needed) {
    if (lines.size() >= needed) {
        return {};
    }
    return Error{ErrorKind::badContent,
                 path.string() + ": line " + std::to_string(lines.size() + 1) + ": expected " +
                     std::to_string(needed) + " lines, the file ends after " +
                     std::to_string(lines.size())};
}

Result<std::vector<std::string>> readTextLines(const std::filesystem::path& path,
                                               std::size_t maxLines) {
    std::error_code ec;
    // Only plain files: a folder or a pipe would read as nothing or block.
    if (!std::filesystem::is_regular_file(path, ec)) {
        return Error{ErrorKind::missingFile, path.string() + ": file not found"};
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return Error{ErrorKind::missingFile, path.string() + ": file cannot be opened"};
    }
    std::vector<std::string> lines;
    std::string current;
    bool pendingCr = false;
    bool lineOpen = false;
    char buffer[4096];
    while (lines.size() < maxLines) {
        in.read(buffer, sizeof buffer);
        const std::streamsize got = in.gcount();
        if (got <= 0) {
            break;
        }
        for (std::streamsize i = 0; i < got && lines.size() < maxLines; ++i) {
            const auto byte = static_cast<unsigned char>(buffer[i]);
            const std::size_t lineNumber = lines.size() + 1;
            if (pendingCr) {
                pendingCr = false;
                if (byte != '\n') {
                    return lineError(path, lineNumber, "text, found a carriage return alone");
                }
                lines.push_back(windows1250ToUtf8(current));
                current.clear();
                lineOpen = false;
                continue;
            }
            if (byte == '\r') {
                pendingCr = true;
                continue;
            }
            if (byte == '\n') {
                lines.push_back(windows1250ToUtf8(current));
                current.clear();
                lineOpen = false;
                continue;
            }
            if (isJunkByte(byte)) {
                return lineError(path, lineNumber, "text, found binary data");
            }
            if (current.size() >= kMaxLineBytes) {
                return lineError(path, lineNumber,
                                 "a line of at most " + std::to_string(kMaxLineBytes) +
                                     " characters");
            }
            current.push_back(static_cast<char>(byte));
            lineOpen = true;
        }
    }
    if (in.bad()) {
        return Error{ErrorKind::missingFile, path.string() + ": file cannot be read"};
    }
    if (lines.size() < maxLines) {
        if (pendingCr) {
            return lineError(path, lines.size() + 1, "text, found a carriage return alone");
        }
        if (lineOpen) {
            lines.push_back(windows1250ToUtf8(current));
        }
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
