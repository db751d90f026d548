// The game started where no display answers: it says so and ends instead of running unseen.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>

namespace fs = std::filesystem;

namespace {

TEST(NoDisplay, TheGameSaysSoAndEnds) {
    const fs::path program = fs::path(BRIMZEL_TREE) / "bin" / "Brimzel";
    if (!fs::exists(program))
        GTEST_SKIP() << "Brimzel is not built";
    // A portable copy of the program and its options, so nothing of the staged tree is touched.
    const fs::path root =
        fs::temp_directory_path() / ("brimzel-no-display-" + std::to_string(getpid()));
    fs::remove_all(root);
    fs::create_directories(root / "bin");
    fs::copy_file(program, root / "bin" / "Brimzel");
    fs::copy_file(fs::path(BRIMZEL_TREE) / "bin" / "Brimzel.ini", root / "bin" / "Brimzel.ini");
    const fs::path output = root / "out.txt";
    const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER "
                                "SDL_AUDIODRIVER=dummy timeout 60 '" +
                                (root / "bin" / "Brimzel").string() + "' >'" + output.string() +
                                "' 2>&1";
    const int status = std::system(command.c_str());
    std::ostringstream text;
    text << std::ifstream(output).rdbuf();
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1) << text.str(); // 124: still running when stopped
    EXPECT_NE(text.str().find("Brimzel: the display could not be opened: no X or Wayland display"),
              std::string::npos)
        << text.str();
    fs::remove_all(root);
}

} // namespace
