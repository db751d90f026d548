// The command line every program shares: --help and --version, the program's own options, and
// the usage text naming the files a program reads and writes in the layout it found.
#pragma once

#include "common/file_layout.hpp"

#include <functional>
#include <iosfwd>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace common {

// The version of every program, kept in the build's project version.
const char* programVersion();

struct OptionSpec {
    std::string name; // "--record"
    bool takesValue = false;
};

struct CommandLine {
    std::map<std::string, std::string> options; // the options given, with their values
    std::vector<std::string> operands;
    std::optional<int> exitCode; // the program ends now with this code
};

// --help prints the usage on `out` and --version the version, both ending with code 0. An
// unknown option, an option without its value or a count of operands outside
// [minOperands, maxOperands] prints the usage on `err` and ends with code 2.
CommandLine parseCommandLine(int argc, char** argv, const std::vector<OptionSpec>& options,
                             std::size_t minOperands, std::size_t maxOperands,
                             const std::function<std::string()>& usage, std::ostream& out,
                             std::ostream& err);

// An editor's start: --help, --version or a misuse of its command line (it takes no options)
// end it here, and so does a user folder that cannot be seeded, told on standard error as
// "NAME: why". Returns the exit code in those cases.
std::optional<int> startTool(int argc, char** argv, const char* name, const FileLayout& layout,
                             const std::function<std::string(const FileLayout&)>& usage);

// What a usage text says about one program.
struct UsageText {
    std::string synopsis; // "brimzel [--help] [--version]"
    std::string summary;  // one or two lines
    std::string reads;    // relative paths, "gfx/, sound/, bin/Brimzel.ini"
    std::string writes;
};

// The usage followed by where the files are in `layout`.
std::string formatUsage(const UsageText& text, const FileLayout& layout);

} // namespace common
