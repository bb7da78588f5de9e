#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <iterator>

#include "common/TextFile.h"
#include "support/Files.h"
#include "support/ScratchData.h"

using namespace quillora;
using quillora::test::ReadFileBytes;
namespace fs = std::filesystem;

TEST(TextFile, WritesGbkWithCrlfAndReplacesWholeFiles) {
    const test::ScratchFolder folder;
    const fs::path& dir = folder.Path();
    const fs::path file = dir / "名单.txt";
    WriteGbkTextFile(file.string(), "九万\n珠宝\n");
    EXPECT_EQ(ReadFileBytes(file), "\xBE\xC5\xCD\xF2\r\n\xD6\xE9\xB1\xA6\r\n");

    // A text GBK cannot hold fails and leaves the earlier file as it was.
    EXPECT_THROW(WriteGbkTextFile(file.string(), "九😀"), FileWriteError);
    EXPECT_EQ(ReadFileBytes(file), "\xBE\xC5\xCD\xF2\r\n\xD6\xE9\xB1\xA6\r\n");

    // A folder that cannot be written reports the failure naming the file,
    // and no stray temporary file is left.
    if (geteuid() != 0) {
        fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
        try {
            WriteGbkTextFile(file.string(), "新");
            ADD_FAILURE() << "write into a read-only folder succeeded";
        } catch (const FileWriteError& e) {
            EXPECT_NE(std::string(e.what()).find("名单.txt"), std::string::npos);
        }
        fs::permissions(dir, fs::perms::owner_all);
    }
    try {
        WriteGbkTextFile((dir / "missing" / "x.txt").string(), "x");
        ADD_FAILURE() << "write into a missing folder succeeded";
    } catch (const FileWriteError& e) {
        EXPECT_NE(std::string(e.what()).find("x.txt"), std::string::npos);
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

// A save dialog's answer keeps an extension of its own and gets the default
// one otherwise.
TEST(TextFile, DefaultExtensionOnlyForANameWithoutOne) {
    const std::pair<const char*, const char*> cases[] = {
        {"/d/x", "/d/x.txt"},
        {"/d/x.txt", "/d/x.txt"},
        {"/d/x.TXT", "/d/x.TXT"},
        {"/d/名单.csv", "/d/名单.csv"},
        {"/d/名单.2024", "/d/名单.2024.txt"},      // digits only: part of the name
        {"/d/v1.0 名单", "/d/v1.0 名单.txt"},      // a blank and Chinese: not an extension
        {"/d/名单.backup", "/d/名单.backup.txt"},  // longer than five
        {"/d.old/名单", "/d.old/名单.txt"},        // the folder's dot does not count
        {"/d/.hidden", "/d/.hidden.txt"},
        {"x.", "x..txt"},
    };
    for (const auto& [chosen, saved] : cases)
        EXPECT_EQ(WithDefaultExtension(chosen, ".txt"), saved) << chosen;
}
