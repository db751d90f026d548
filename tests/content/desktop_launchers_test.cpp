// Desktop launchers: installing writes one entry per program with the real installation
// paths, quoted so that a prefix with blanks or shell characters still starts the program.
#include "tree_files.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <sstream>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

struct Launcher {
    const char* file;
    const char* program;
};
const Launcher kLaunchers[] = {{"brimzel", "Brimzel"},
                               {"brimzel-leveleditor", "Brimzel-Leveleditor"},
                               {"brimzel-options", "Brimzel-Options"}};

std::string quotedForShell(const std::string& text) {
    std::string out = "'";
    for (char c : text) {
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return out + "'";
}

// Key=value lines of a desktop entry.
std::map<std::string, std::string> entries(const fs::path& path) {
    std::map<std::string, std::string> out;
    std::istringstream in(tree_files::bytesOf(path));
    std::string line;
    while (std::getline(in, line)) {
        if (const auto eq = line.find('='); eq != std::string::npos) {
            out[line.substr(0, eq)] = line.substr(eq + 1);
        }
    }
    return out;
}

class DesktopLaunchers : public ::testing::Test {
  protected:
    void SetUp() override {
        // CTest runs each case as a process of its own, possibly side by side.
        scratch_ = fs::temp_directory_path() / ("brimzel-launchers-" + std::to_string(::getpid()));
        fs::create_directories(scratch_ / "tree" / "bin");
    }
    void TearDown() override { fs::remove_all(scratch_); }

    // Runs the install script on a small tree into `prefix`.
    void install(const fs::path& prefix) {
        const std::string command =
            "cmake -DBRIMZEL_TREE=" + quotedForShell((scratch_ / "tree").string()) +
            " -DCMAKE_INSTALL_PREFIX=" + quotedForShell(prefix.string()) + " -P " +
            quotedForShell(std::string(BRIMZEL_SOURCE) + "/cmake/InstallTree.cmake") +
            " >/dev/null";
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
    }

    fs::path scratch_;
};

TEST_F(DesktopLaunchers, EachProgramStartsFromBinWithItsIcon) {
    const fs::path prefix = scratch_ / "Brimzel";
    install(prefix);
    for (const Launcher& launcher : kLaunchers) {
        const fs::path file =
            prefix / "share" / "applications" / (std::string(launcher.file) + ".desktop");
        ASSERT_TRUE(fs::exists(file)) << file;
        EXPECT_EQ(tree_files::bytesOf(file).rfind("[Desktop Entry]\n", 0), 0u);
        auto values = entries(file);
        EXPECT_EQ(values["Type"], "Application");
        EXPECT_EQ(values["Exec"], "\"" + (prefix / "bin" / launcher.program).string() + "\"");
        EXPECT_EQ(values["Path"], (prefix / "bin").string());
        const std::string icon = std::string(launcher.file) + ".png";
        EXPECT_EQ(values["Icon"],
                  (prefix / "share" / "icons" / "hicolor" / "256x256" / "apps" / icon).string());
        EXPECT_FALSE(values["Name"].empty());
        EXPECT_FALSE(values["Comment"].empty());
        EXPECT_NE(values["Categories"].find("Game;"), std::string::npos);
        // The icon the entry names is one the generated tree carries.
        EXPECT_TRUE(fs::exists(tree_files::kTree / "share" / "icons" / "hicolor" / "256x256" /
                               "apps" / icon));
    }
}

TEST_F(DesktopLaunchers, BlanksQuotesDollarsAndPercentsInThePrefixAreEscaped) {
    const fs::path prefix = scratch_ / "my games $HOME \"best\" 100%";
    install(prefix);
    auto values = entries(prefix / "share" / "applications" / "brimzel.desktop");
    EXPECT_EQ(values["Exec"],
              "\"" + (scratch_ / "my games \\\\$HOME \\\\\"best\\\\\" 100%%").string() +
                  "/bin/Brimzel\"");
    EXPECT_EQ(values["Path"], (prefix / "bin").string());
}

} // namespace
