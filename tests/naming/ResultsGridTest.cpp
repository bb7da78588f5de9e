// The results grid: the score of a candidate, filling the grid from a result
// of 0, 150, 200, 201 and 5000 rows, and sorting the shown rows. The results
// come from a scratch database so that their size is exact.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "data/Database.h"
#include "naming/GenerationRun.h"
#include "naming/ResultsGrid.h"
#include "support/ScratchData.h"

using namespace quillora;
namespace fs = std::filesystem;

TEST(ResultsGridScore, BonusOfTheReducedTotal) {
    // fs 70 with T = 21 scores 74; T = 85 reduces to 5 and scores 74; T = 160
    // reduces to 80 and scores 72.
    EXPECT_EQ(CandidateScore(70, 21, 0), 74);
    EXPECT_EQ(CandidateScore(70, 80, 5), 74);
    EXPECT_EQ(CandidateScore(70, 150, 10), 72);
    // 81 counts as 1 (first set); 80 stays 80 (no set); 6 and 17 are in the
    // second set; 2 and 4 in none.
    EXPECT_EQ(StrokeBonus(1), 4);
    EXPECT_EQ(CandidateScore(60, 81, 0), 64);
    EXPECT_EQ(CandidateScore(60, 80, 0), 62);
    EXPECT_EQ(CandidateScore(60, 6, 0), 63);
    EXPECT_EQ(CandidateScore(60, 40, 57), 63);  // 97 -> 17
    EXPECT_EQ(StrokeBonus(2), 2);
    EXPECT_EQ(StrokeBonus(4), 2);
    EXPECT_EQ(StrokeBonus(0), 4);
}

namespace {

// A scratch "Parvello.dll" whose table cand holds numbered candidates:
// zi 名1, 名2 ..., wuhang 金木, ft 名n, bh n mod 30 + 2, fs 60 + n mod 20;
// without verse, and with one listed mark, 名1.
class ResultsGridFill : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_.MakeDatabase(kParvelloFile,
                          "create table cand (n integer, zi text, wuhang text, ft text, "
                          "bh integer, fs integer);"
                          "with recursive c(x) as (select 1 union all select x + 1 from c "
                          "where x < 5000) insert into cand select x, '名' || x, '金木', "
                          "'名' || x, x % 30 + 2, 60 + x % 20 from c;"
                          "create table verse (ID integer, line text, title text, author text, "
                          "source text);"
                          "create table verse_pair (pair text, line integer, gap integer);"
                          "create table mark_word (word text, list integer, kind text, "
                          "reason text, info text);"
                          "insert into mark_word values ('名1', 4, '测试', '', '');"
                          "create table trade_suffix (suffix text, class integer, "
                          "class_name text, also_names text, generic text);");
        state_.NameBeginFt = "前";
        state_.NameEndFt = "珠寶";
        state_.AffixBh = 31;
        state_.NameEndBh = 31;
    }

    // Opens the first `rows` candidates the way a run opens its statement.
    bool Open(int rows) {
        PreparedGeneration p;
        p.sql = "select zi, wuhang, ft, bh, fs from cand where n <= ? order by n";
        p.keys = {static_cast<long long>(rows)};
        return OpenGeneration(p, q_, state_);
    }

    const test::ScratchData dir_;
    QueryObject q_{kGenerationTimeout};
    GenerationState state_;
    ResultGrid grid_;
};

}  // namespace

TEST_F(ResultsGridFill, FewerThan200RowsShowEveryRecordBestFirst) {
    EXPECT_FALSE(Open(150));
    EXPECT_FALSE(ShowCandidates(q_, state_, "", "珠宝", grid_));
    EXPECT_EQ(grid_.ShownRows(), 150);
    std::set<int> records;
    for (int r = 1; r <= 150; ++r) {
        EXPECT_EQ(grid_.Cell(r, kColNumber), std::to_string(r));
        const std::string main = grid_.Cell(r, kColMainName);
        const int x = std::stoi(main.substr(3));
        EXPECT_TRUE(records.insert(x).second) << main;
        const std::string n = std::to_string(x);
        EXPECT_EQ(grid_.Cell(r, kColBrandName), "名" + n + "珠宝");
        EXPECT_EQ(grid_.Cell(r, kColTraditional), "前名" + n + "珠寶");
        const int bh = x % 30 + 2;
        EXPECT_EQ(grid_.Cell(r, kColTotalStrokes), std::to_string(bh + 31));
        EXPECT_EQ(grid_.Cell(r, kColMainElements), "金木");
        EXPECT_EQ(grid_.Cell(r, kColMainStrokes), std::to_string(bh));
        EXPECT_EQ(grid_.Cell(r, kColSuffixStrokes), "31");
        EXPECT_EQ(grid_.Cell(r, kColScore), std::to_string(CandidateScore(60 + x % 20, bh, 31)));
        // A file without the appeal tables: the name as its own reading.
        std::string pinyin = "名";
        for (char digit : n)
            pinyin += std::string(" ") + digit;
        EXPECT_EQ(grid_.Cell(r, kColPinyin), pinyin);
        // Each row's own warnings: 名1, 名10 … hold the listed mark.
        EXPECT_EQ(grid_.Cell(r, kColWarnings), n[0] == '1' ? "名1（知名商标）" : "") << main;
        EXPECT_EQ(grid_.Cell(r, kColVerse), "");
    }
    EXPECT_EQ(records.size(), 150u);
    // The best score heads the page: x = 19 has fs 79 and bh 21, and 21 + 31
    // = 52 is in the first set: + 4.
    EXPECT_EQ(grid_.Cell(1, kColScore), "83");
    EXPECT_EQ(grid_.Cell(0, kColBrandName), "品牌商标名称");
}

// A page shows the best candidates not yet shown; 继续显示 never shows a name
// twice and stops when every candidate has been shown.
TEST_F(ResultsGridFill, PagesShowTheBestNotYetShown) {
    // Exactly 200: "继续显示" stays disabled and one page shows them all.
    EXPECT_FALSE(Open(200));
    EXPECT_FALSE(ShowCandidates(q_, state_, "", "", grid_));
    EXPECT_EQ(grid_.ShownRows(), 200);

    // 201 rows enable "继续显示"; the second page holds the one left.
    EXPECT_TRUE(Open(201));
    EXPECT_TRUE(ShowCandidates(q_, state_, "", "", grid_));
    EXPECT_FALSE(ShowCandidates(q_, state_, "", "", grid_));
    EXPECT_EQ(grid_.ShownRows(), 1);

    // 5000 rows: pages of 200 without a repeat, the best score first.
    EXPECT_TRUE(Open(5000));
    std::set<std::string> names;
    for (int page = 0; page < 5; ++page) {
        EXPECT_TRUE(ShowCandidates(q_, state_, "", "", grid_));
        EXPECT_EQ(grid_.ShownRows(), 200);
        if (page == 0) {
            EXPECT_EQ(grid_.Cell(1, kColScore), "83");
        }
        for (int r = 1; r <= 200; ++r)
            EXPECT_TRUE(names.insert(grid_.Cell(r, kColMainName)).second);
    }
}

TEST_F(ResultsGridFill, EmptyAndClosedResults) {
    Open(150);
    ShowCandidates(q_, state_, "", "", grid_);
    // No open result: the grid keeps what it shows.
    q_.Close();
    ShowCandidates(q_, state_, "", "", grid_);
    EXPECT_EQ(grid_.ShownRows(), 150);
    // An empty result blanks it.
    EXPECT_FALSE(Open(0));
    ShowCandidates(q_, state_, "", "", grid_);
    EXPECT_EQ(grid_.ShownRows(), 0);
    EXPECT_EQ(grid_.Cell(1, kColNumber), "");
    EXPECT_EQ(grid_.Cell(0, kColNumber), "编号");
}

TEST(ResultsGridSort, ShownRowsSortByOneColumnAndBlankRowsStayBelow) {
    ResultGrid g;
    const char* rows[][3] = {{"1", "九万", "9"}, {"2", "金玉", "10"}, {"3", "安和", "74"}};
    for (int r = 0; r < 3; ++r) {
        g.SetCell(r + 1, kColNumber, rows[r][0]);
        g.SetCell(r + 1, kColMainName, rows[r][1]);
        g.SetCell(r + 1, kColScore, rows[r][2]);
    }
    g.SortShownRows(kColScore, false);
    EXPECT_EQ(g.Cell(1, kColScore), "74");
    EXPECT_EQ(g.Cell(2, kColScore), "10");  // numerically, not "9" > "10"
    EXPECT_EQ(g.Cell(3, kColScore), "9");
    EXPECT_EQ(g.Cell(3, kColMainName), "九万");  // rows keep their cells
    EXPECT_EQ(g.Cell(4, kColScore), "");
    // Texts in GBK order, which follows the readings: 安 an, 金 jin, 九 jiu.
    g.SortShownRows(kColMainName, true);
    EXPECT_EQ(g.Cell(1, kColMainName), "安和");
    EXPECT_EQ(g.Cell(2, kColMainName), "金玉");
    EXPECT_EQ(g.Cell(3, kColMainName), "九万");
    g.SortShownRows(kColNumber, true);
    EXPECT_EQ(g.Cell(1, kColMainName), "九万");
    EXPECT_EQ(g.ShownRows(), 3);
    EXPECT_EQ(g.Cell(0, kColScore), "总体评分");
}

// 出处 and 注册提示 on the real tables: a pair of a famous line, a word of the
// state, a well-known mark and a generic word of the suffix's own trade.
TEST(ResultsGridSources, ColumnsHoldTheSourceAndTheWarningsOfEachRow) {
    ResultGrid g;
    const char* mains[] = {"关雎", "中国", "茅台", "钻石", "九万"};
    for (int r = 0; r < 5; ++r)
        g.SetCell(r + 1, kColMainName, mains[r]);
    QueryObject names(DbConnectionString(kParvelloFile), kCharLookupTimeout);
    WriteSourceColumns(names, "", "珠宝", g);
    EXPECT_EQ(g.Cell(1, kColVerse), "关关雎鸠，在河之洲。——《诗经·周南·关雎》");
    EXPECT_EQ(g.Cell(1, kColWarnings), "");
    EXPECT_EQ(g.Cell(2, kColWarnings), "中国（国名）");
    EXPECT_EQ(g.Cell(3, kColWarnings), "茅台（知名商标）");
    EXPECT_EQ(g.Cell(4, kColWarnings), "钻石（通用名称）");
    EXPECT_EQ(g.Cell(5, kColWarnings), "");
    // The same words under another trade: 钻石 names no good of 化妆品.
    WriteSourceColumns(names, "", "化妆品", g);
    EXPECT_EQ(g.Cell(4, kColWarnings), "");
    EXPECT_EQ(g.Cell(2, kColWarnings), "中国（国名）");
    EXPECT_EQ(g.Cell(0, kColVerse), "出处");
    EXPECT_EQ(g.Cell(0, kColWarnings), "注册提示");
}
