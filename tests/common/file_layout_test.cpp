#include "common/atomic_file.hpp"
#include "common/command_line.hpp"
#include "common/file_layout.hpp"

#include "temp_folder.hpp"

#include <gtest/gtest.h>

#include <sstream>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// An unpacked system installation: <prefix>/games and its read-only data folder.
struct SystemInstall {
    TempFolder folder;
    fs::path games = folder.path() / "usr" / "games";
    fs::path data = folder.path() / "usr" / "share" / "games" / "brimzel";
    fs::path user = folder.path() / "home" / "brimzel";

    SystemInstall() {
        fs::create_directories(games);
        fs::create_directories(data / "bin");
        fs::create_directories(data / "highscore" / "default");
        folder.write("usr/share/games/brimzel/bin/Brimzel.ini", "default options\r\n");
        folder.write("usr/share/games/brimzel/highscore/default/highscore_1.fly", "table 1");
        folder.write("usr/share/games/brimzel/highscore/default/highscore_2_3.fly", "table 2");
    }
    common::FileLayout layout() const { return common::FileLayout{data, user, {}}; }
};

} // namespace

TEST(FileLayout, UserFolderFollowsXdgDataHomeOrHome) {
    using common::userFolderFromEnvironment;
    EXPECT_EQ(userFolderFromEnvironment("/home/a", "/data/a").value(), "/data/a/brimzel");
    for (const char* unusable : {static_cast<const char*>(nullptr), "", "relative/dir"})
        EXPECT_EQ(userFolderFromEnvironment("/home/a", unusable).value(),
                  "/home/a/.local/share/brimzel");
    for (const char* noHome : {static_cast<const char*>(nullptr), ""}) {
        const auto none = userFolderFromEnvironment(noHome, nullptr);
        ASSERT_FALSE(none);
        EXPECT_NE(none.message().find("HOME"), std::string::npos);
    }
}

TEST(FileLayout, FoundFromWhereTheProgramLies) {
    SystemInstall install;
    setenv("XDG_DATA_HOME", install.user.parent_path().c_str(), 1);
    const common::FileLayout system = common::findLayout(install.games);
    EXPECT_TRUE(system.isSystem());
    EXPECT_EQ(system.dataFolder, install.data);
    EXPECT_EQ(system.userFolder, install.user);
    unsetenv("XDG_DATA_HOME");

    // The portable tree: the folder above bin/ is both.
    const common::FileLayout portable = common::findLayout(install.folder.path() / "tree" / "bin");
    EXPECT_FALSE(portable.isSystem());
    EXPECT_EQ(portable.userFolder, install.folder.path() / "tree");
    EXPECT_EQ(portable.readPath("bin/Brimzel.ini"), portable.writePath("bin/Brimzel.ini"));
}

TEST(FileLayout, SeedingFillsTheUserFolderAndNeverReplacesTheUsersFiles) {
    SystemInstall install;
    const common::FileLayout layout = install.layout();
    ASSERT_TRUE(common::seedUserFolder(layout));
    for (const char* folder : {"bin", "highscore", "save", "screenshots", "levels/user", "options"})
        EXPECT_TRUE(fs::is_directory(install.user / folder)) << folder;
    EXPECT_EQ(TempFolder::read(install.user / "bin/Brimzel.ini"), "default options\r\n");
    EXPECT_EQ(TempFolder::read(install.user / "highscore/highscore_2_3.fly"), "table 2");
    EXPECT_FALSE(fs::exists(install.user / "highscore/default"));

    // A user's file wins over the data folder's and stays; a removed one is seeded again.
    install.folder.write("home/brimzel/highscore/highscore_1.fly", "mine");
    fs::remove(install.user / "highscore/highscore_2_3.fly");
    ASSERT_TRUE(common::seedUserFolder(layout));
    EXPECT_EQ(TempFolder::read(install.user / "highscore/highscore_1.fly"), "mine");
    EXPECT_EQ(TempFolder::read(install.user / "highscore/highscore_2_3.fly"), "table 2");
    EXPECT_EQ(layout.readPath("highscore/highscore_1.fly"),
              install.user / "highscore/highscore_1.fly");
    EXPECT_EQ(layout.readPath("levels/level1.lev"), install.data / "levels/level1.lev");
    EXPECT_EQ(layout.writePath("levels/level1.lev"), install.user / "levels/level1.lev");
}

TEST(FileLayout, NoUsableUserFolderIsAnErrorNamingIt) {
    SystemInstall install;
    common::FileLayout homeless = install.layout();
    homeless.userFolderProblem = "HOME is not set";
    EXPECT_EQ(common::seedUserFolder(homeless).message(), "HOME is not set");

    if (geteuid() == 0)
        GTEST_SKIP() << "folder permissions do not apply to root";
    fs::create_directories(install.user);
    fs::permissions(install.user, fs::perms::owner_read | fs::perms::owner_exec);
    const auto refused = common::seedUserFolder(install.layout());
    fs::permissions(install.user, fs::perms::owner_all);
    ASSERT_FALSE(refused);
    EXPECT_NE(refused.message().find(install.user.string()), std::string::npos);
}

TEST(FileLayout, RacingSeedersLeaveOneWholeFile) {
    TempFolder folder;
    const fs::path file = folder.file("table.fly");
    const std::string first(100000, 'a'), second(100000, 'b');
    std::thread other([&] { (void)common::createFileAtomically(file, second); });
    const auto mine = common::createFileAtomically(file, first);
    other.join();
    ASSERT_TRUE(mine);
    const std::string kept = TempFolder::read(file);
    EXPECT_TRUE(kept == first || kept == second);
    EXPECT_EQ(common::createFileAtomically(file, "c").value(), false);
    EXPECT_EQ(TempFolder::read(file), kept);
    EXPECT_EQ(folder.entryCount(), 1u); // no temporary file left
}

TEST(CommandLine, HelpVersionAndMisuse) {
    char program[] = "brimzel", help[] = "--help", version[] = "--version", bad[] = "--bogus",
         record[] = "--record", file[] = "run.txt";
    auto parse = [](std::vector<char*> args, std::ostream& out, std::ostream& err) {
        return common::parseCommandLine(
            static_cast<int>(args.size()), args.data(), {{"--record", true}}, 0, 0,
            [] { return "USAGE\n"; }, out, err);
    };
    std::ostringstream out, err;
    EXPECT_EQ(parse({program, help}, out, err).exitCode, 0);
    EXPECT_EQ(out.str(), "USAGE\n");
    out.str("");
    EXPECT_EQ(parse({program, version}, out, err).exitCode, 0);
    EXPECT_EQ(out.str(), std::string("brimzel ") + common::programVersion() + "\n");
    EXPECT_TRUE(err.str().empty());
    for (auto args : {std::vector<char*>{program, bad}, std::vector<char*>{program, record},
                      std::vector<char*>{program, file}}) {
        err.str("");
        EXPECT_EQ(parse(args, out, err).exitCode, 2);
        EXPECT_NE(err.str().find("USAGE"), std::string::npos);
    }
    const auto given = parse({program, record, file}, out, err);
    EXPECT_FALSE(given.exitCode);
    EXPECT_EQ(given.options.at("--record"), "run.txt");
}
