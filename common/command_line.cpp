#include "common/command_line.hpp"

#include <filesystem>
#include <iostream>
#include <ostream>

namespace common {

const char* programVersion() {
    return BRIMZEL_VERSION;
}

CommandLine parseCommandLine(int argc, char** argv, const std::vector<OptionSpec>& options,
                             std::size_t minOperands, std::size_t maxOperands,
                             const std::function<std::string()>& usage, std::ostream& out,
                             std::ostream& err) {
    CommandLine line;
    auto misuse = [&](const std::string& what) {
        err << what << "\n\n" << usage();
        line.exitCode = 2;
        return line;
    };
    bool onlyOperands = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (onlyOperands || arg == "-" || arg.rfind('-', 0) != 0) {
            line.operands.push_back(arg);
            continue;
        }
        if (arg == "--") {
            onlyOperands = true;
        } else if (arg == "--help" || arg == "-h") {
            out << usage();
            line.exitCode = 0;
            return line;
        } else if (arg == "--version") {
            out << std::filesystem::path(argv[0]).filename().string() << " " << programVersion()
                << '\n';
            line.exitCode = 0;
            return line;
        } else {
            const OptionSpec* known = nullptr;
            for (const OptionSpec& option : options)
                if (option.name == arg)
                    known = &option;
            if (!known)
                return misuse("unknown option " + arg);
            if (known->takesValue && i + 1 >= argc)
                return misuse("the option " + arg + " needs a value");
            line.options[arg] = known->takesValue ? argv[++i] : "";
        }
    }
    if (line.operands.size() < minOperands || line.operands.size() > maxOperands)
        return misuse(line.operands.size() < minOperands ? "too few arguments"
                                                         : "too many arguments");
    return line;
}

std::string formatUsage(const UsageText& text, const FileLayout& layout) {
    std::string s = "Usage: " + text.synopsis + "\n" + text.summary + "\n\n";
    s += "  --help     print this text\n  --version  print the version\n\n";
    s += "Reads:  " + text.reads + "\nWrites: " + text.writes + "\n";
    if (!layout.isSystem()) {
        const std::string root = layout.dataFolder.empty() ? "." : layout.dataFolder.string();
        return s + "in the portable tree " + root + "\n";
    }
    s += "System layout: game data (read only) in " + layout.dataFolder.string() + ",\n";
    if (!layout.userFolderProblem.empty())
        return s + "your files: none, " + layout.userFolderProblem + "\n";
    return s + "your files (a file there wins; every write goes there) in " +
           layout.userFolder.string() + "\n";
}

std::optional<int> startTool(int argc, char** argv, const char* name, const FileLayout& layout,
                             const std::function<std::string(const FileLayout&)>& usage) {
    const auto line = parseCommandLine(
        argc, argv, {}, 0, 0, [&] { return usage(layout); }, std::cout, std::cerr);
    if (line.exitCode)
        return line.exitCode;
    if (const auto seeded = seedUserFolder(layout); !seeded) {
        std::cerr << name << ": " << seeded.message() << '\n';
        return 1;
    }
    return std::nullopt;
}

} // namespace common
