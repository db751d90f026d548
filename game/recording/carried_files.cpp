#include "game/recording/carried_files.hpp"

#include "common/atomic_file.hpp"
#include "common/level_record.hpp"
#include "common/options_file.hpp"
#include "common/regular_file.hpp"
#include "common/saved_progress.hpp"
#include "game/recording/script_words.hpp"

#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <system_error>

namespace fs = std::filesystem;

namespace {

constexpr char kBase64[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

int base64Value(char c) {
    if (c >= 'A' && c <= 'Z')
        return c - 'A';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 26;
    if (c >= '0' && c <= '9')
        return c - '0' + 52;
    return c == '+' ? 62 : c == '/' ? 63 : -1;
}

bool allOf(std::string_view text, bool (*allowed)(char)) {
    return !text.empty() && std::all_of(text.begin(), text.end(), allowed);
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isTableChar(char c) {
    return isDigit(c) || c == '_';
}

// "level<N>.lev" with N from 1 to 99, no leading zero.
bool levelName(std::string_view name) {
    if (name.size() < 10 || name.substr(0, 5) != "level" || name.substr(name.size() - 4) != ".lev")
        return false;
    const std::string_view number = name.substr(5, name.size() - 9);
    return number.size() <= 2 && allOf(number, isDigit) && number[0] != '0';
}

} // namespace

bool carriableFileName(std::string_view path) {
    if (path == "bin/Brimzel.ini" || path == "save/save.txt")
        return true;
    if (path.substr(0, 10) == "highscore/" && path.size() > 24 &&
        path.substr(10, 10) == "highscore_" && path.substr(path.size() - 4) == ".fly")
        return path.size() <= 40 && allOf(path.substr(20, path.size() - 24), isTableChar);
    if (path.substr(0, 12) == "levels/user/")
        return levelName(path.substr(12));
    if (path.substr(0, 7) == "levels/")
        return levelName(path.substr(7));
    return false;
}

std::vector<std::string> recordedFileNames(const common::FileLayout& files) {
    std::vector<std::string> names{common::optionsFilePath("").generic_string(),
                                   common::saveFilePath("").generic_string()};
    std::vector<std::string> tables;
    std::error_code ec;
    // The game keeps the tables in the user folder, seeded from the defaults.
    for (const auto& entry : fs::directory_iterator(files.writePath("highscore"), ec)) {
        const std::string name = "highscore/" + entry.path().filename().string();
        if (carriableFileName(name))
            tables.push_back(name);
    }
    std::sort(tables.begin(), tables.end());
    names.insert(names.end(), tables.begin(), tables.end());
    for (bool user : {false, true})
        for (int n = 1; n <= 16; ++n)
            names.push_back(common::levelFilePath("", n, user).generic_string());
    return names;
}

std::optional<std::string> readCarriableFile(const fs::path& path) {
    auto bytes = common::readRegularFile(path, kMaxCarriedFileBytes);
    if (!bytes)
        return std::nullopt;
    return std::move(bytes.value());
}

std::string fileLines(const std::string& path, std::string_view bytes, bool carry) {
    char line[64];
    std::snprintf(line, sizeof line, " %zu %016" PRIx64 "\n", bytes.size(), replayFileHash(bytes));
    std::string out = "file " + path + line;
    if (!carry)
        return out;
    std::string data;
    for (std::size_t at = 0; at < bytes.size(); at += 3) {
        const std::size_t count = std::min<std::size_t>(3, bytes.size() - at);
        std::uint32_t group = 0;
        for (std::size_t i = 0; i < 3; ++i)
            group = group << 8 | (i < count ? static_cast<unsigned char>(bytes[at + i]) : 0u);
        for (std::size_t i = 0; i < 4; ++i)
            data += i <= count ? kBase64[group >> (18 - 6 * i) & 63] : '=';
    }
    for (std::size_t at = 0; at < data.size(); at += kCarriedLineChars)
        out += "data " + data.substr(at, kCarriedLineChars) + "\n";
    return out;
}

bool decodeDataLine(std::string_view line, std::string& bytes) {
    if (line.empty() || line.size() % 4 != 0)
        return false;
    for (std::size_t at = 0; at < line.size(); at += 4) {
        std::uint32_t group = 0;
        int padding = 0;
        for (std::size_t i = 0; i < 4; ++i) {
            const char c = line[at + i];
            const bool last = at + 4 == line.size();
            if (c == '=' && last && i >= 2 && (i == 3 || line[at + 3] == '=')) {
                ++padding;
                group <<= 6;
                continue;
            }
            const int value = base64Value(c);
            if (value < 0 || padding > 0)
                return false;
            group = group << 6 | static_cast<std::uint32_t>(value);
        }
        for (int i = 0; i < 3 - padding; ++i)
            bytes += static_cast<char>(group >> (16 - 8 * i) & 0xff);
    }
    return true;
}

common::Status layCarriedFile(const fs::path& folder, const std::string& path,
                              std::string_view bytes) {
    if (!carriableFileName(path) || bytes.size() > kMaxCarriedFileBytes)
        return common::Error{common::ErrorKind::badContent,
                             path + " is not a file a recording may carry"};
    const fs::path target = folder / path;
    std::error_code ec;
    fs::create_directories(target.parent_path(), ec);
    if (ec)
        return common::Error{common::ErrorKind::writeFailed,
                             target.string() + " cannot be written: " + ec.message()};
    return common::replaceFileAtomically(target, bytes);
}
