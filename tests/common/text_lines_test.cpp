#include "common/atomic_file.hpp"
#include "common/text_lines.hpp"
#include "common/windows1250.hpp"
#include "temp_folder.hpp"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

using common::ErrorKind;
using common::readTextLines;
using common::writeTextLines;

const std::string kCzech = "Příliš žluťoučký kůň úpěl ďábelské ódy";
// The same sentence in Windows-1250: one byte per letter.
const std::string kCzechBytes = "P\xF8\xED"
                                "li\x9A \x9Elu\x9Dou\xE8k\xFD k\xF9\xF2 \xFAp\xECl "
                                "\xEF\xE1"
                                "belsk\xE9 \xF3"
                                "dy";

TEST(Windows1250, CzechLettersRoundTripOneBytePerLetter) {
    EXPECT_EQ(common::utf8ToWindows1250(kCzech).value(), kCzechBytes);
    EXPECT_EQ(common::windows1250ToUtf8(kCzechBytes), kCzech);
    const std::string capitals = "ÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ€„“";
    auto bytes = common::utf8ToWindows1250(capitals);
    ASSERT_TRUE(bytes.ok());
    EXPECT_EQ(bytes.value().size(), 18u);
    EXPECT_EQ(common::windows1250ToUtf8(bytes.value()), capitals);
}

TEST(Windows1250, EveryDefinedByteRoundTrips) {
    for (int byte = 1; byte < 256; ++byte) {
        const std::string one(1, static_cast<char>(byte));
        if (common::isUndefinedWindows1250Byte(static_cast<unsigned char>(byte))) {
            continue;
        }
        auto back = common::utf8ToWindows1250(common::windows1250ToUtf8(one));
        ASSERT_TRUE(back.ok()) << byte;
        EXPECT_EQ(back.value(), one) << byte;
    }
}

TEST(Windows1250, CharactersOutsideTheCodePageAreErrors) {
    for (const char* text : {"日本", "Ŵales", "smile 😀", "\xC3", "\xC1\x81" /* overlong A */}) {
        auto result = common::utf8ToWindows1250(text);
        EXPECT_FALSE(result.ok()) << text;
    }
    EXPECT_NE(common::utf8ToWindows1250("a日").message().find("U+65E5"), std::string::npos);
}

TEST(TextLines, WritesCrLfAndReadsBothLineEnds) {
    TempFolder folder;
    const auto file = folder.file("names.txt");
    ASSERT_TRUE(writeTextLines(file, {kCzech, "", "end"}).ok());
    EXPECT_EQ(TempFolder::read(file), kCzechBytes + "\r\n\r\nend\r\n");
    EXPECT_EQ(readTextLines(file, 10).value(), (std::vector<std::string>{kCzech, "", "end"}));

    folder.write("lf.txt", "a\nb\r\n\nlast");
    EXPECT_EQ(readTextLines(folder.file("lf.txt"), 10).value(),
              (std::vector<std::string>{"a", "b", "", "last"}));
    // Reading stops at the lines asked for; what follows is not looked at.
    folder.write("more.txt", "one\r\ntwo\r\n\x01\x02junk");
    EXPECT_EQ(readTextLines(folder.file("more.txt"), 2).value().size(), 2u);
}

TEST(TextLines, BadInputNamesFileAndLine) {
    TempFolder folder;
    auto missing = readTextLines(folder.file("none.txt"), 5);
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.error().kind, ErrorKind::missingFile);
    EXPECT_NE(missing.message().find("none.txt"), std::string::npos);

    EXPECT_EQ(readTextLines(folder.path(), 5).error().kind, ErrorKind::missingFile);

    folder.write("binary.txt", std::string("ok\r\nfine\r\nP\0NG", 14));
    auto binary = readTextLines(folder.file("binary.txt"), 5);
    ASSERT_FALSE(binary.ok());
    EXPECT_NE(binary.message().find("binary.txt: line 3: expected text"), std::string::npos);

    folder.write("cr.txt", "a\rb\r\n");
    EXPECT_FALSE(readTextLines(folder.file("cr.txt"), 5).ok());
    folder.write("undefined.txt", "a\x81"
                                  "b\r\n");
    EXPECT_FALSE(readTextLines(folder.file("undefined.txt"), 5).ok());

    folder.write("long.txt", "x\r\n" + std::string(common::kMaxLineBytes + 1, 'a'));
    auto tooLong = readTextLines(folder.file("long.txt"), 5);
    ASSERT_FALSE(tooLong.ok());
    EXPECT_NE(tooLong.message().find("line 2"), std::string::npos);
    folder.write("limit.txt", std::string(common::kMaxLineBytes, 'a'));
    EXPECT_TRUE(readTextLines(folder.file("limit.txt"), 5).ok());
}

TEST(TextLines, FailedWriteLeavesTheOldFile) {
    TempFolder folder;
    const auto file = folder.write("keep.txt", "old\r\n");
    auto result = writeTextLines(file, {"fine", "日本"});
    ASSERT_FALSE(result.ok());
    EXPECT_NE(result.message().find("line 2"), std::string::npos);
    EXPECT_FALSE(writeTextLines(file, {"two\nlines"}).ok());
    EXPECT_EQ(TempFolder::read(file), "old\r\n");
    EXPECT_EQ(folder.entryCount(), 1u);
}

TEST(AtomicFile, ReplacesWholeAndKeepsPermissions) {
    TempFolder folder;
    const auto file = folder.write("table.fly", "a much longer old content\r\n");
    ::chmod(file.c_str(), 0600);
    ASSERT_TRUE(common::replaceFileAtomically(file, "new").ok());
    EXPECT_EQ(TempFolder::read(file), "new");
    struct stat info {};
    ASSERT_EQ(::stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    EXPECT_EQ(folder.entryCount(), 1u);

    auto noFolder = common::replaceFileAtomically(folder.file("gone/x.txt"), "new");
    ASSERT_FALSE(noFolder.ok());
    EXPECT_EQ(noFolder.error().kind, common::ErrorKind::writeFailed);
    EXPECT_EQ(folder.entryCount(), 1u);
}

} // namespace
