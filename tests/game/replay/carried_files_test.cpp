// A recording carries the files its run read: read back byte for byte, only under the tree's
// own names, within the caps, and laid into the tree the replay reads.
#include "game/recording/carried_files.hpp"
#include "game/replay/recorded_files.hpp"
#include "game/replay/replay_script.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string refusal(const std::string& script) {
    const auto parsed = parseReplayScript(script, "r.replay");
    return parsed ? std::string("accepted") : parsed.message();
}

TEST(CarriedFiles, ReadBackByteForByteAndLaidIntoTheTree) {
    const std::string bytes("GameLanguage:cz\r\n\xe8\xb9\0end", 24);
    std::string script = "seed 1\n";
    for (std::size_t size : {0, 1, 2, 3, 24})
        script += fileLines("levels/user/level" + std::to_string(size + 1) + ".lev",
                            bytes.substr(0, size), true);
    script += fileLines("bin/Brimzel.ini", bytes, true) + "step 1\n";
    const auto parsed = parseReplayScript(script, "r.replay");
    ASSERT_TRUE(parsed) << parsed.message();
    const ReplayCommand& options = parsed.value()[6];
    EXPECT_TRUE(options.carried);
    EXPECT_EQ(options.text, bytes);
    EXPECT_EQ(parsed.value()[2].text, bytes.substr(0, 1));

    const fs::path folder = fs::temp_directory_path() / ("carried-" + std::to_string(getpid()));
    fs::remove_all(folder);
    ASSERT_TRUE(layRecordedFiles(folder, parsed.value()));
    std::ifstream in(folder / "bin" / "Brimzel.ini", std::ios::binary);
    std::ostringstream laid;
    laid << in.rdbuf();
    EXPECT_EQ(laid.str(), bytes);
    EXPECT_TRUE(fs::is_regular_file(folder / "levels" / "user" / "level1.lev"));
    fs::remove_all(folder);
}

TEST(CarriedFiles, RefusedOutsideTheTreesNamesOrTheCapsOrWhenDamaged) {
    for (const char* name :
         {"../bin/Brimzel.ini", "/etc/passwd", "gfx/menu/info.dds", "levels/../bin/Brimzel.ini",
          "highscore/default/highscore_1.fly", "levels/level0.lev", "save/save.txt/"}) {
        // Paths leaving the tree are refused as any `file` line's are; other names as not carried.
        const std::string why = refusal(fileLines(name, "x", true));
        EXPECT_TRUE(why.find("is not a file a recording may carry") != std::string::npos ||
                    why.find("names a file inside the tree") != std::string::npos)
            << name << ": " << why;
    }
    std::string damaged = fileLines("save/save.txt", "12345", true);
    damaged[damaged.size() - 3] ^= 1;
    EXPECT_NE(refusal(damaged).find("differ from its size or hash"), std::string::npos);
    EXPECT_NE(refusal("data QUJD\n").find("must follow a \"file\" line"), std::string::npos);
    EXPECT_NE(refusal("file save/save.txt 1 0000000000000000\ndata Q!==\n").find("base64"),
              std::string::npos);
    const std::string big(kMaxCarriedFileBytes + 1, 'x');
    EXPECT_NE(refusal(fileLines("levels/level1.lev", big, true)).find("must not exceed"),
              std::string::npos);
    // Older recordings name their files only, and may name any file of the tree.
    EXPECT_EQ(refusal(fileLines("gfx/menu/info.dds", "x", false)), "accepted");
}

} // namespace
