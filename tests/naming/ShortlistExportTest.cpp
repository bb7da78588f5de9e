// The shortlist's rules (adding, the save dialog's proposal, the file it
// writes, the web search address) and the exports of the results grid. GBK
// bytes are spelled out from the GBK code table.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "naming/Export.h"
#include "naming/Shortlist.h"
#include "support/CliProcess.h"
#include "support/Files.h"
#include "support/ScratchData.h"

using namespace quillora;
using namespace quillora::test;
namespace fs = std::filesystem;

namespace {

class TempDir : public ::testing::Test {
  protected:
    const ScratchFolder dir_;
};

// What unzip prints for `args`; nullopt when unzip cannot be run.
std::optional<std::string> Unzip(const std::vector<std::string>& args) {
    const CliResult r = RunProgram("unzip", args, 60);
    if (!r.exited)
        return std::nullopt;
    return r.out;
}

}  // namespace

TEST(Shortlist, AddSkipsNamesAlreadyListedAfterTrimming) {
    std::string memo;
    memo = ShortlistAdd(memo, "九万珠宝");
    EXPECT_EQ(memo, "九万珠宝\n");
    // The same grid row again: one line.
    EXPECT_EQ(ShortlistAdd(memo, "九万珠宝"), memo);
    // A typed line with blanks and a tab around it counts as present.
    const std::string typed = "  九万珠宝\t\n";
    EXPECT_EQ(ShortlistAdd(typed, "九万珠宝"), typed);
    // A line that differs in an inner byte does not.
    EXPECT_EQ(ShortlistAdd("九万 珠宝\n", "九万珠宝"), "九万 珠宝\n九万珠宝\n");
    // A typed last line without its line break gets one before the new name.
    EXPECT_EQ(ShortlistAdd("金玉", "九万"), "金玉\n九万\n");
    // Windows line ends typed or pasted into the memo compare alike.
    EXPECT_TRUE(ShortlistHas("金玉\r\n九万\r\n", "九万"));
    // An empty name adds nothing.
    EXPECT_EQ(ShortlistAdd("金玉\n", "   "), "金玉\n");
}

TEST(Shortlist, SaveProposalRefusesTheSevenCharactersInTheGbkBytes) {
    EXPECT_EQ(ShortlistProposal(""), "起名结果待选名字表");
    EXPECT_EQ(ShortlistProposal("  张三"), "张三起名结果待选名字表");
    for (const char* bad : {"张/三", "a*b", "<x", "x>", "why?", "a\\b", "a|b"}) {
        EXPECT_EQ(ShortlistProposal(bad), "*.txt") << bad;
    }
    // The colon and the double quote are not tested.
    EXPECT_EQ(ShortlistProposal("a:b\""), "a:b\"起名结果待选名字表");
    // 億 is 83 7C in GBK, 乗 81 5C: their second bytes are "|" and "\".
    EXPECT_EQ(ShortlistProposal("億"), "*.txt");
    EXPECT_EQ(ShortlistProposal("乗"), "*.txt");
    // Saving appends ".txt" only to a name without an extension: x.txt is
    // never saved as x.txt.txt.
    EXPECT_EQ(ShortlistFilePath("list"), "list.txt");
    EXPECT_EQ(ShortlistFilePath("list.txt"), "list.txt");
    EXPECT_EQ(ShortlistFilePath("张三.2024"), "张三.2024.txt");
}

TEST_F(TempDir, SaveWritesGbkWithCrlfAndNothingElse) {
    // A memo holding only blanks and empty lines writes nothing.
    EXPECT_FALSE(SaveShortlist((dir_ / "empty").string(), " \n\n  \n"));
    EXPECT_FALSE(fs::exists(dir_ / "empty.txt"));

    ASSERT_TRUE(SaveShortlist((dir_ / "list").string(), "九万珠宝\n珠宝\n"));
    // 九 BEC5 万 CDF2 珠 D6E9 宝 B1A6.
    EXPECT_EQ(ReadFileBytes(dir_ / "list.txt"),
              "\xBE\xC5\xCD\xF2\xD6\xE9\xB1\xA6\r\n\xD6\xE9\xB1\xA6\r\n");
    // A name chosen with its extension replaces that file.
    ASSERT_TRUE(SaveShortlist((dir_ / "list.txt").string(), "九万"));
    EXPECT_EQ(ReadFileBytes(dir_ / "list.txt"), "\xBE\xC5\xCD\xF2");
    EXPECT_FALSE(fs::exists(dir_ / "list.txt.txt"));

    // A folder that does not exist, and a character GBK cannot write, are
    // reported instead of failing silently.
    EXPECT_THROW(SaveShortlist((dir_ / "no-such-folder" / "x").string(), "九万"), FileWriteError);
    EXPECT_THROW(SaveShortlist((dir_ / "emoji").string(), "九万😀"), FileWriteError);
}

TEST(Shortlist, WebSearchSendsTheGbkBytesPercentEncoded) {
    EXPECT_EQ(WebSearchAddress("九万珠宝"), "https://www.baidu.com/s?wd=%BE%C5%CD%F2%D6%E9%B1%A6");
    EXPECT_EQ(WebSearchAddress("A&B 九"), "https://www.baidu.com/s?wd=A%26B%20%BE%C5");
}

namespace {

ExportTable SampleTable() {
    ExportTable t;
    t.header = {"编号", "品牌商标名称", "总体评分"};
    t.widths = {43, 183, 62};
    t.numeric = {true, false, true};
    t.rows = {{"1", "九万珠宝", "74"}, {"2", "金\"玉\",堂", "72"}};
    return t;
}

}  // namespace

TEST_F(TempDir, TextExportsHoldTheHeaderAndTheRows) {
    const ExportTable t = SampleTable();
    EXPECT_EQ(FormatTsv(t), "编号\t品牌商标名称\t总体评分\n1\t九万珠宝\t74\n2\t金\"玉\",堂\t72\n");
    EXPECT_EQ(FormatCsv(t),
              "编号,品牌商标名称,总体评分\r\n1,九万珠宝,74\r\n2,\"金\"\"玉\"\",堂\",72\r\n");
    ExportTsv((dir_ / "rows.txt").string(), t);
    // 编号 B1E0 BAC5, then a tab.
    const std::string bytes = ReadFileBytes(dir_ / "rows.txt");
    EXPECT_EQ(bytes.substr(0, 5), "\xB1\xE0\xBA\xC5\t");
    EXPECT_NE(bytes.find("1\t\xBE\xC5\xCD\xF2\xD6\xE9\xB1\xA6\t74\r\n"), std::string::npos);
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    EXPECT_THROW(ExportTsv((dir_ / "missing" / "rows.txt").string(), t), FileWriteError);
}

// The workbook is a real .xlsx: a zip holding the sheet and its strings,
// read back here with unzip.
TEST_F(TempDir, XlsxHoldsBoldHeaderWidthsStringsAndNumbers) {
    const fs::path file = dir_ / "起名结果.xlsx";
    ExportXlsx(file.string(), SampleTable());
    ASSERT_TRUE(fs::exists(file));
    const std::optional<std::string> list = Unzip({"-l", file.string()});
    if (!list)
        GTEST_SKIP() << "unzip missing";
    EXPECT_NE(list->find("xl/worksheets/sheet1.xml"), std::string::npos);
    const auto member = [&](const char* name) {
        return Unzip({"-p", file.string(), name}).value_or("");
    };
    const std::string sheet = member("xl/worksheets/sheet1.xml");
    const std::string strings = member("xl/sharedStrings.xml");
    const std::string styles = member("xl/styles.xml");
    const std::string book = member("xl/workbook.xml");
    for (const char* s : {"编号", "品牌商标名称", "总体评分", "九万珠宝", "金\"玉\",堂"}) {
        EXPECT_NE(strings.find(s), std::string::npos) << s;
    }
    EXPECT_NE(book.find("起名结果"), std::string::npos);
    // Numbers are number cells: <c r="A2" ...><v>1</v></c> without t="s".
    EXPECT_NE(sheet.find("<c r=\"A2\"><v>1</v></c>"), std::string::npos) << sheet;
    EXPECT_NE(sheet.find("<c r=\"C3\"><v>72</v></c>"), std::string::npos);
    EXPECT_NE(sheet.find("<c r=\"B2\" t=\"s\">"), std::string::npos);
    // Column widths are set, and the header row has a bold style.
    EXPECT_NE(sheet.find("<cols>"), std::string::npos);
    EXPECT_NE(sheet.find("customWidth=\"1\""), std::string::npos);
    EXPECT_NE(sheet.find("<c r=\"A1\" s=\"1\" t=\"s\">"), std::string::npos);
    EXPECT_NE(styles.find("<b/>"), std::string::npos);
    // The header row stays in view.
    EXPECT_NE(sheet.find("state=\"frozen\""), std::string::npos);

    EXPECT_THROW(ExportXlsx((dir_ / "missing" / "x.xlsx").string(), SampleTable()), FileWriteError);
}
