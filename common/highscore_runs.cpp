#include "common/highscore_runs.hpp"

#include "common/atomic_file.hpp"
#include "common/highscore_file.hpp"

#include <algorithm>
#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

namespace common {
namespace {

constexpr std::string_view kHeaderStart = "# high score run: ";
constexpr std::size_t kCheckedBytes = 4096;

Error fileError(const fs::path& path, const std::string& what, const std::error_code& ec) {
    return Error{ErrorKind::writeFailed, path.string() + ": " + what + " (" + ec.message() + ")"};
}

// Moves `from` to `to`; a missing `from` leaves `to` missing too, so no run stays at a row
// that is not its own.
Status moveRun(const fs::path& from, const fs::path& to) {
    std::error_code ec;
    if (fs::exists(from, ec)) {
        fs::rename(from, to, ec);
        if (ec)
            return fileError(from, "cannot be moved to " + to.filename().string(), ec);
        return {};
    }
    fs::remove(to, ec);
    if (ec)
        return fileError(to, "cannot be removed", ec);
    return {};
}

std::string readSpan(std::ifstream& in, std::streamoff from, std::size_t count) {
    std::string bytes(count, '\0');
    in.clear(); // an earlier read may have met the end
    in.seekg(from);
    in.read(bytes.data(), static_cast<std::streamsize>(count));
    bytes.resize(static_cast<std::size_t>(std::max<std::streamsize>(in.gcount(), 0)));
    return bytes;
}

} // namespace

fs::path highscoreRunPath(const fs::path& tablePath, int place) {
    return tablePath.parent_path() / "runs" /
           (tablePath.stem().string() + "-" + std::to_string(place) + ".replay");
}

std::string highscoreRunHeader(const fs::path& tablePath, const HighscoreRow& row) {
    std::string name = row.name;
    // One line whatever the name holds.
    std::replace_if(
        name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; }, ' ');
    return std::string(kHeaderStart) + std::to_string(row.points) + " points by " + name + " in " +
           tablePath.filename().string() + "\n";
}

Status enterHighscoreRun(const fs::path& tablePath, int place, const HighscoreRow& row,
                         std::string_view recording) {
    if (place < 1 || place > kHighscorePlaces)
        return Error{ErrorKind::badContent, "no place " + std::to_string(place) + " in a table"};
    std::error_code ec;
    const fs::path folder = highscoreRunPath(tablePath, place).parent_path();
    fs::create_directories(folder, ec);
    if (ec)
        return fileError(folder, "cannot be made", ec);
    // From the bottom up: the last place's run is the one replaced.
    for (int from = kHighscorePlaces - 1; from >= place; --from)
        if (auto moved =
                moveRun(highscoreRunPath(tablePath, from), highscoreRunPath(tablePath, from + 1));
            !moved)
            return moved;
    const fs::path path = highscoreRunPath(tablePath, place);
    if (recording.empty()) {
        fs::remove(path, ec);
        return ec ? Status{fileError(path, "cannot be removed", ec)} : Status{};
    }
    std::string text = highscoreRunHeader(tablePath, row);
    text.append(recording);
    return replaceFileAtomically(path, text);
}

Status removeHighscoreRuns(const fs::path& tablePath) {
    for (int place = 1; place <= kHighscorePlaces; ++place) {
        std::error_code ec;
        const fs::path path = highscoreRunPath(tablePath, place);
        fs::remove(path, ec);
        if (ec)
            return fileError(path, "cannot be removed", ec);
    }
    return {};
}

HighscoreRunCheck checkHighscoreRun(const fs::path& tablePath, int place, const HighscoreRow& row) {
    HighscoreRunCheck check;
    check.path = highscoreRunPath(tablePath, place);
    std::error_code ec;
    if (!fs::exists(check.path, ec))
        return check;
    auto fault = [&](HighscoreRunKind kind, std::string reason) {
        check.kind = kind;
        check.reason = check.path.string() + ": " + std::move(reason);
        return check;
    };
    if (!fs::is_regular_file(check.path, ec))
        return fault(HighscoreRunKind::foreign, "not a file");
    const std::uintmax_t size = fs::file_size(check.path, ec);
    if (ec)
        return fault(HighscoreRunKind::damaged, "cannot be read (" + ec.message() + ")");
    if (size > kMaxHighscoreRunBytes)
        return fault(HighscoreRunKind::damaged, "larger than any run can be");
    std::ifstream in(check.path, std::ios::binary);
    if (!in)
        return fault(HighscoreRunKind::damaged, "cannot be read");
    const std::string head = readSpan(in, 0, kCheckedBytes);
    std::string firstLine = head.substr(0, head.find('\n'));
    if (!firstLine.empty() && firstLine.back() == '\r')
        firstLine.pop_back();
    const std::string expected = highscoreRunHeader(tablePath, row);
    if (firstLine + "\n" != expected) {
        if (firstLine.rfind(kHeaderStart, 0) == 0)
            return check; // the run of a row that is no longer there
        return fault(HighscoreRunKind::foreign, "not a recorded high-score run");
    }
    // A whole recording ends with the state its run ended in.
    const std::size_t tailSize =
        static_cast<std::size_t>(std::min<std::uintmax_t>(size, kCheckedBytes));
    std::string tail = readSpan(in, static_cast<std::streamoff>(size - tailSize), tailSize);
    while (!tail.empty() && (tail.back() == '\n' || tail.back() == '\r'))
        tail.pop_back();
    const std::size_t lastLine = tail.rfind('\n');
    if (tail.compare(lastLine == std::string::npos ? 0 : lastLine + 1, 7, "expect ") != 0)
        return fault(HighscoreRunKind::damaged, "cut short, it does not end with its final state");
    check.kind = HighscoreRunKind::watchable;
    return check;
}

} // namespace common
