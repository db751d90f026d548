#include "common/saved_progress.hpp"
#include "common/text_lines.hpp"
#include "temp_folder.hpp"

#include <gtest/gtest.h>

namespace {

using common::LoadProgress;
using common::ProgressAtLevelEnd;
using common::SaveProgress;

std::vector<std::string> savedLines(const std::filesystem::path& file) {
    return common::readTextLines(file, 10).value();
}

TEST(SavedProgress, LostLevelIsPlayedAgainWithFullEnergy) {
    TempFolder folder;
    const auto file = folder.file("save.txt");
    ProgressAtLevelEnd state{false, true, 5, 30, 2, 1234};
    ASSERT_TRUE(SaveProgress(file, state).value());
    EXPECT_EQ(TempFolder::read(file), "5\r\n100\r\n2\r\n1234\r\n");
    auto loaded = LoadProgress(file);
    ASSERT_TRUE(loaded.ok()) << loaded.message();
    EXPECT_EQ(loaded.value().levelNumber, 5);
    EXPECT_EQ(loaded.value().energy, 100);
    EXPECT_EQ(loaded.value().lives, 2);
    EXPECT_EQ(loaded.value().displayedScore, 1234);
    // Continuing leaves the file for another go.
    EXPECT_TRUE(LoadProgress(file).ok());
}

TEST(SavedProgress, WonLevelKeepsEnergyOnlyWithinAMap) {
    TempFolder folder;
    const auto file = folder.file("save.txt");
    ASSERT_TRUE(SaveProgress(file, {true, false, 3, 40, 3, 70000}).value());
    EXPECT_EQ(savedLines(file), (std::vector<std::string>{"4", "40", "3", "70000"}));
    ASSERT_TRUE(SaveProgress(file, {true, false, 4, 40, 1, 9}).value());
    EXPECT_EQ(savedLines(file), (std::vector<std::string>{"5", "100", "1", "9"}));
}

TEST(SavedProgress, NeitherOrBothFlagsWriteNothing) {
    TempFolder folder;
    const auto file = folder.write("save.txt", "2\r\n50\r\n1\r\n7\r\n");
    EXPECT_FALSE(SaveProgress(file, {false, false, 5, 30, 2, 1}).value());
    EXPECT_FALSE(SaveProgress(file, {true, true, 5, 30, 2, 1}).value());
    EXPECT_EQ(TempFolder::read(file), "2\r\n50\r\n1\r\n7\r\n");
    EXPECT_FALSE(SaveProgress(folder.file("no/such/folder.txt"), {true, false, 1, 1, 1, 1}).ok());
}

TEST(SavedProgress, SavesAfterTheLastLevelOrWithoutSpareLivesRead) {
    TempFolder folder;
    const auto file = folder.file("save.txt");
    ASSERT_TRUE(SaveProgress(file, {true, false, 16, 40, 0, 5000}).value());
    auto loaded = LoadProgress(file);
    ASSERT_TRUE(loaded.ok()) << loaded.message();
    EXPECT_EQ(loaded.value().levelNumber, 17);
    EXPECT_EQ(loaded.value().lives, 0);
    EXPECT_EQ(loaded.value().displayedScore, 5000);
}

TEST(SavedProgress, BadSavesAreErrors) {
    TempFolder folder;
    const auto expectError = [&](const std::string& bytes, const std::string& line) {
        auto loaded = LoadProgress(folder.write("save.txt", bytes));
        ASSERT_FALSE(loaded.ok()) << bytes;
        EXPECT_NE(loaded.message().find("save.txt: line " + line), std::string::npos)
            << loaded.message();
    };
    expectError("5\r\n100\r\n2\r\n", "4");
    expectError("five\r\n100\r\n2\r\n3\r\n", "1");
    expectError("18\r\n100\r\n2\r\n3\r\n", "1");
    expectError("3\r\n101\r\n2\r\n3\r\n", "2");
    expectError("3\r\n100\r\n-1\r\n3\r\n", "3");
    expectError("3\r\n100\r\n2\r\n99999999999\r\n", "4");
    expectError(std::string("3\r\n\0\0\0\0", 7), "2");
    EXPECT_EQ(LoadProgress(folder.file("gone.txt")).error().kind, common::ErrorKind::missingFile);
    EXPECT_EQ(common::saveFilePath("/r"), "/r/save/save.txt");
}

} // namespace
