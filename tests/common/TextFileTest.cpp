#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "common/TextFile.h"

using namespace quillora;
namespace fs = std::filesystem;

namespace {

std::string ReadBytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

}  // namespace

TEST(TextFile, WritesGbkWithCrlfAndReplacesWholeFiles) {
    const fs::path dir =
        fs::temp_directory_path() / ("quillora-textfile-" + std::to_string(getpid()));
    fs::create_directories(dir);
    const fs::path file = dir / "名单.txt";
    WriteGbkTextFile(file.string(), "九万\n珠宝\n");
    EXPECT_EQ(ReadBytes(file), "\xBE\xC5\xCD\xF2\r\n\xD6\xE9\xB1\xA6\r\n");

    // A text GBK cannot hold fails and leaves the earlier file as it was.
    EXPECT_THROW(WriteGbkTextFile(file.string(), "九😀"), FileWriteError);
    EXPECT_EQ(ReadBytes(file), "\xBE\xC5\xCD\xF2\r\n\xD6\xE9\xB1\xA6\r\n");

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
    fs::remove_all(dir);
}
