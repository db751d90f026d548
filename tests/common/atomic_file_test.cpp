// Whole-or-nothing writes where file systems differ: no hard links, a full disk, symbolic links
// and the umask.
#include "common/atomic_file.hpp"

#include "temp_folder.hpp"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

mode_t modeOf(const fs::path& file) {
    struct stat info {};
    return ::stat(file.c_str(), &info) == 0 ? (info.st_mode & 07777) : 0;
}

// Every file call meets the given faults while this lives.
class Faults {
  public:
    explicit Faults(const common::FileFaults& faults) { common::setFileFaultsForTesting(faults); }
    ~Faults() { common::setFileFaultsForTesting({}); }
};

TEST(AtomicFile, CreatesWithoutReplacingWhereHardLinksAreRefused) {
    // FAT and exFAT refuse links; some network mounts refuse create-only renames as well.
    for (const common::FileFaults& faults :
         {common::FileFaults{.link = EPERM}, common::FileFaults{.link = EOPNOTSUPP},
          common::FileFaults{.link = EPERM, .renameNoReplace = EINVAL}}) {
        TempFolder folder;
        const Faults refused(faults);
        const fs::path file = folder.file("table.fly");
        const auto made = common::createFileAtomically(file, "first");
        ASSERT_TRUE(made) << made.message();
        EXPECT_TRUE(made.value());
        const auto again = common::createFileAtomically(file, "second");
        ASSERT_TRUE(again) << again.message();
        EXPECT_FALSE(again.value());
        EXPECT_EQ(TempFolder::read(file), "first");
        EXPECT_EQ(folder.entryCount(), 1u); // no temporary file left
    }
}

TEST(AtomicFile, AFullDiskLeavesTheOldFileAndNothingNew) {
    TempFolder folder;
    const fs::path old = folder.write("save.txt", "old");
    const Faults full({.write = ENOSPC});
    const auto replaced = common::replaceFileAtomically(old, "new");
    ASSERT_FALSE(replaced);
    EXPECT_NE(replaced.message().find(std::strerror(ENOSPC)), std::string::npos);
    EXPECT_FALSE(common::createFileAtomically(folder.file("screenshot1.jpg"), "picture"));
    EXPECT_EQ(TempFolder::read(old), "old");
    EXPECT_EQ(folder.entryCount(), 1u);
}

TEST(AtomicFile, ARewriteGoesThroughSymbolicLinksToTheirTarget) {
    TempFolder folder;
    fs::create_directories(folder.file("dotfiles"));
    fs::create_directories(folder.file("bin"));
    const fs::path target = folder.write("dotfiles/Brimzel.ini", "old");
    const fs::path relativeLink = folder.file("bin/Brimzel.ini");
    const fs::path linkToLink = folder.file("current.ini");
    fs::create_symlink("../dotfiles/Brimzel.ini", relativeLink);
    fs::create_symlink(relativeLink, linkToLink);
    ::chmod(target.c_str(), 0640);

    ASSERT_TRUE(common::replaceFileAtomically(linkToLink, "new"));
    EXPECT_TRUE(fs::is_symlink(relativeLink));
    EXPECT_TRUE(fs::is_symlink(linkToLink));
    EXPECT_EQ(TempFolder::read(target), "new");
    EXPECT_EQ(modeOf(target), 0640u);
    EXPECT_EQ(folder.entryCount(), 3u);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.file("dotfiles")), {}), 1);

    // A link that leads nowhere makes its target; links in a circle are refused.
    const fs::path dangling = folder.file("dangling.ini");
    fs::create_symlink("dotfiles/made.ini", dangling);
    ASSERT_TRUE(common::replaceFileAtomically(dangling, "made"));
    EXPECT_TRUE(fs::is_symlink(dangling));
    EXPECT_EQ(TempFolder::read(folder.file("dotfiles/made.ini")), "made");
    fs::create_symlink("loop.ini", folder.file("loop.ini"));
    EXPECT_FALSE(common::replaceFileAtomically(folder.file("loop.ini"), "x"));
    EXPECT_TRUE(fs::is_symlink(folder.file("loop.ini")));
}

TEST(AtomicFile, NewFilesHonourTheUmask) {
    TempFolder folder;
    const mode_t saved = ::umask(077);
    ASSERT_TRUE(common::replaceFileAtomically(folder.file("private.ini"), "a"));
    ASSERT_TRUE(common::createFileAtomically(folder.file("private.jpg"), "a"));
    ::umask(022);
    ASSERT_TRUE(common::replaceFileAtomically(folder.file("shared.ini"), "a"));
    ASSERT_TRUE(common::createFileAtomically(folder.file("shared.jpg"), "a"));
    ::umask(saved);
    EXPECT_EQ(modeOf(folder.file("private.ini")), 0600u);
    EXPECT_EQ(modeOf(folder.file("private.jpg")), 0600u);
    EXPECT_EQ(modeOf(folder.file("shared.ini")), 0644u);
    EXPECT_EQ(modeOf(folder.file("shared.jpg")), 0644u);
}

} // namespace
