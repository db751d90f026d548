// Windows-1250 text files such as the help lines: what reads as text writes back byte for byte.
#include "common/text_lines.hpp"
#include "common/windows1250.hpp"
#include "fuzz/input_file.hpp"

#include <algorithm>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    // Any bytes decode; UTF-8 of any shape encodes or fails cleanly.
    const std::string utf8 = common::windows1250ToUtf8(bytes);
    (void)common::utf8ToWindows1250(bytes);

    const auto path = fuzz::writeInputFile("help.txt", data, size);
    auto read = common::readTextLines(path, 64);
    if (!read) {
        return 0;
    }
    // The menu reads only the help lines up to its item: the same lines, never a failure.
    auto firstLines = common::readTextLines(path, 5);
    if (!firstLines) {
        fuzz::fail("the first lines of a readable file failed to read");
    }
    const std::size_t shared = std::min<std::size_t>(5, read.value().size());
    if (firstLines.value().size() != shared ||
        !std::equal(firstLines.value().begin(), firstLines.value().end(), read.value().begin())) {
        fuzz::fail("reading fewer lines gave other lines");
    }
    std::string expected;
    for (const auto& line : read.value()) {
        if (line.size() > 3 * common::kMaxLineBytes) {
            fuzz::fail("a line longer than the limit was read");
        }
        auto encoded = common::utf8ToWindows1250(line);
        if (!encoded) {
            fuzz::fail("a line that was read cannot be encoded again");
        }
        expected += encoded.value();
        expected += '\n';
    }
    // Compare with the input's own lines, ignoring line-ending style and a missing last break.
    std::string input;
    std::size_t lines = 0;
    for (std::size_t i = 0; i < size && lines < read.value().size(); ++i) {
        const char c = bytes[i];
        if (c == '\r') {
            continue;
        }
        input += c;
        if (c == '\n') {
            ++lines;
        }
    }
    if (lines < read.value().size()) {
        input += '\n';
    }
    if (input != expected) {
        fuzz::fail("reading and encoding changed the text");
    }
    return 0;
}
