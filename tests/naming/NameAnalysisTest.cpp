// The brand-name analysis on the real reference tables.
//
// Stroke counts expected here are the Kangxi counts of the traditional
// forms: 九 9, 万 (萬) 15, 珠 (玉 5 + 6) 11, 宝 (寶) 20, 天 4, 元 4, 金 8.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "bazi/BirthRecord.h"
#include "common/DateValue.h"
#include "common/Text.h"
#include "data/Database.h"
#include "data/QueryObject.h"
#include "naming/Appeal.h"
#include "naming/NameAnalysis.h"
#include "naming/Numerology.h"
#include "support/CliProcess.h"
#include "support/Files.h"

using namespace quillora;
using namespace quillora::test;

namespace {

class NameAnalysisTest : public ::testing::Test {
  protected:
    QueryObject strokes{DbConnectionString(kParvelloFile), kCharLookupTimeout};
    QueryObject readings{DbConnectionString(kSomnetteFile), kDefaultTimeout};

    // A view of the default entries (Gregorian 1980-1-1, 子 0, minute 0) that
    // collects the memo's lines.
    BrandNameView View(std::string mainName, std::string suffix = "") {
        BrandNameView v;
        v.birth.name = "张三";
        v.birth.sex = "男";
        v.birth.year = "1980";
        v.birth.month = "1";
        v.birth.day = "1";
        v.birth.hour = "子 0";
        v.birth.minute = "0";
        v.mainName = std::move(mainName);
        v.suffix = std::move(suffix);
        v.clearMemo = [this] {
            ++clears;
            memo.clear();
        };
        v.appendLine = [this](const std::string& line) { memo.push_back(line); };
        v.strokes = &strokes;
        v.readings = &readings;
        v.currentYear = 2024;
        return v;
    }

    // The memo as a failed check must leave it.
    void FillMemoWithEarlierReport() { memo = {"earlier report", ""}; }

    bool MemoHas(const std::string& line) const {
        return std::find(memo.begin(), memo.end(), line) != memo.end();
    }

    std::vector<std::string> memo;
    int clears = 0;
};

// The reading of a number straight from the table, for the golden texts.
std::string ReadingOf(int number) {
    return QueryFirstText(kSomnetteFile,
                          "select nr from namefx where num = '" + std::to_string(number) + "'")
        .value_or("");
}

// A golden report: one memo line per file line; "@namefx N" stands for the
// reading of number N.
std::vector<std::string> Golden(const std::string& file) {
    const std::filesystem::path path =
        std::string(QUILLORA_SOURCE_DIR) + "/tests/naming/golden/" + file;
    if (!std::filesystem::exists(path))
        throw std::runtime_error("missing golden file " + file);
    std::vector<std::string> lines = ReadFileLines(path);
    for (std::string& line : lines) {
        if (line.rfind("@namefx ", 0) == 0)
            line = ReadingOf(std::stoi(line.substr(8)));
    }
    return lines;
}

}  // namespace

TEST_F(NameAnalysisTest, StrokeSumsOfOneToFourCharactersAndUnknownCharacters) {
    const std::pair<const char*, int> cases[] = {
        {"九", 9},
        {"万", 15},
        {"珠", 11},
        {"宝", 20},
        {"九万", 24},
        {"九万珠", 35},
        {"九万珠宝", 55},
        {"天元金", 16},
        // Characters the table lacks count nothing and do not disturb their
        // neighbours: ASCII letters, marks, an emoji, a lone invalid byte.
        {"", 0},
        {"A", 0},
        {"九A万", 24},
        {"'", 0},
        {"九'万%", 24},
        {"\xF0\x9F\x98\x80", 0},
        {"珠\xFF宝", 31},
    };
    for (const auto& [text, sum] : cases)
        EXPECT_EQ(StrokeCount(strokes, text), sum) << text;
}

TEST_F(NameAnalysisTest, EveryNumberHasAReadingAndNothingElseHas) {
    for (int n = 0; n <= 80; ++n)
        EXPECT_FALSE(NumerologyReading(readings, n).empty()) << n;
    EXPECT_EQ(NumerologyReading(readings, 81), "");
    EXPECT_EQ(NumerologyReading(readings, -1), "");
}

TEST_F(NameAnalysisTest, NameElementsMarkUnknownCharactersAndSkipBlanks) {
    std::vector<std::string> mainElements;
    const BrandName name = TrimmedBrandName("", " 九 万 ", "珠宝");
    EXPECT_EQ(NameElementsText(strokes, name, &mainElements), "九(木) 万(水) 珠(金) 宝(火)");
    EXPECT_EQ(mainElements, (std::vector<std::string>{"木", "", "水"}));

    mainElements.clear();
    EXPECT_EQ(NameElementsText(strokes, TrimmedBrandName("", "A九", ""), &mainElements),
              "A(?) 九(木)");
    EXPECT_EQ(mainElements, (std::vector<std::string>{"", "木"}));
}

// The checks run in a fixed order and a failed one leaves the memo as it was.
TEST_F(NameAnalysisTest, ChecksComeInOrderAndLeaveTheMemoAlone) {
    struct Case {
        std::string mainName;
        std::string year, month, day, hour;
        std::string message;
        AnalysisFocus focus;
    };
    const Case cases[] = {
        {"", "", "", "", "", kMainNameEmpty, AnalysisFocus::MainName},
        {" \t ", "1980", "1", "1", "子 0", kMainNameEmpty, AnalysisFocus::MainName},
        {"😀九", "", "1", "1", "子 0", kMainNameUnreadable, AnalysisFocus::MainName},
        {"九", "", "", "", "", kMainNameTooShort, AnalysisFocus::MainName},
        {" 九 ", "1980", "1", "1", "子 0", kMainNameTooShort, AnalysisFocus::MainName},
        {"abc", "1980", "1", "1", "子 0", kMainNameTooShort, AnalysisFocus::MainName},
        {"九万", " ", "", "", "", kYearEmptyMessage, AnalysisFocus::None},
        {"九万", "1980", "", "", "", kMonthEmptyMessage, AnalysisFocus::None},
        {"九万", "1980", "1", " ", "", kDayEmptyMessage, AnalysisFocus::None},
        {"九万", "1980", "1", "1", "", kHourEmptyMessage, AnalysisFocus::None},
    };
    for (const Case& c : cases) {
        BrandNameView v = View(c.mainName);
        v.birth.year = c.year;
        v.birth.month = c.month;
        v.birth.day = c.day;
        v.birth.hour = c.hour;
        FillMemoWithEarlierReport();
        clears = 0;
        const AnalysisOutcome outcome = AnalyseBrandName(v);
        EXPECT_FALSE(outcome) << c.mainName;
        EXPECT_EQ(outcome.message, c.message) << c.mainName;
        EXPECT_EQ(outcome.focus, c.focus) << c.mainName;
        EXPECT_EQ(clears, 0) << c.mainName;
        EXPECT_EQ(memo, (std::vector<std::string>{"earlier report", ""})) << c.mainName;
    }
    // Four ASCII characters are four bytes: long enough.
    EXPECT_TRUE(AnalyseBrandName(View("abcd")));
}

// 九万 + 珠宝 for a man born 1980-01-01 0:00 (己未 丙子 癸酉 壬子, no 木).
// Grid numbers: 九 9, 万 15, 九万 24, 珠宝 31, 九万珠宝 55. Score: 40 x 1
// (24) + 15 x (0 + 1) / 2 (9, 15) + 15 x 0.6 (55) + 15 (木 supplied)
// + 15 x 1/2 (土、木 favourable, 木 carried) = 79.
TEST_F(NameAnalysisTest, WholeReportOfJiuwanZhubao) {
    const AnalysisOutcome outcome = AnalyseBrandName(View("九万", "珠宝"));
    ASSERT_TRUE(outcome) << outcome.message;
    EXPECT_EQ(clears, 1);
    ExpectSameLines(memo, Golden("jiuwan-zhubao.txt"));
}

// 天元金 without suffix for a woman entered as lunar 1990-5-20 (a year with a
// leap fifth month: the ordinary month, 1990-06-12), 午 12, minute 30:
// 庚午 壬午 戊申 戊午, no 木. Grid numbers: 天 4, 元 4, 金 8, 天元金 16 (and
// the full name 16). Score: 40 + 15 x (0 + 0 + 1) / 3 + 15 + 15 (木 supplied)
// + 15 x 1/2 (水、金 favourable, 金 carried) = 82.5, rounded up to 83.
TEST_F(NameAnalysisTest, WholeReportOfThreeCharactersWithoutSuffix) {
    BrandNameView v = View("天元金");
    v.birth.name = "李四";
    v.birth.sex = "女";
    v.birth.calendarIndex = 1;
    v.birth.year = "1990";
    v.birth.month = "5";
    v.birth.day = "20";
    v.birth.hour = "午 12";
    v.birth.minute = "30";
    ASSERT_TRUE(AnalyseBrandName(v));
    ExpectSameLines(memo, Golden("tianyuanjin.txt"));
}

TEST_F(NameAnalysisTest, BlanksAroundThePartsChangeNothing) {
    ASSERT_TRUE(AnalyseBrandName(View("九万", "珠宝")));
    const std::vector<std::string> plain = memo;
    BrandNameView v = View("  九万\t", " 珠宝 ");
    v.prefix = "  ";
    ASSERT_TRUE(AnalyseBrandName(v));
    EXPECT_EQ(memo, plain);

    // A suffix of blanks is no suffix.
    ASSERT_TRUE(AnalyseBrandName(View("九万", "   ")));
    EXPECT_TRUE(MemoHas("无行业后缀名称，此处无分析内容。"));
    EXPECT_TRUE(MemoHas("【九万】数理24分析："));
}

// Apostrophes, percent signs and ASCII letters are pieces of their own:
// they count no strokes, break no statement and shift no Chinese character.
TEST_F(NameAnalysisTest, MarksAndLettersInTheNameAnalyseNormally) {
    ASSERT_TRUE(AnalyseBrandName(View("九'万%", "珠宝")));
    EXPECT_TRUE(MemoHas("名称：九'万%珠宝"));
    EXPECT_TRUE(MemoHas("【'】数理0分析："));
    EXPECT_TRUE(MemoHas("【%】数理0分析："));
    EXPECT_TRUE(MemoHas("【万】数理15分析："));
    EXPECT_TRUE(MemoHas("【九'万%】行运格(主体)数理24分析："));
    EXPECT_TRUE(MemoHas("【九'万%珠宝】数理55分析："));
    EXPECT_EQ(memo.back(), kAdviceLine);

    ASSERT_TRUE(AnalyseBrandName(View("A九万")));
    EXPECT_TRUE(MemoHas("【A】数理0分析："));
    EXPECT_TRUE(MemoHas("【九】数理9分析："));
    EXPECT_TRUE(MemoHas("【A九万】行运格(主体)数理24分析："));
    EXPECT_TRUE(MemoHas("五行：A(?) 九(木) 万(水)"));
}

// Each grid reduces its own sum (above 80 modulo 80, 0 read as 80):
// 九万 + 珠宝珠宝珠宝 sums to 24 + 93 = 117, numbered 37; the suffix alone
// 93, numbered 13.
TEST_F(NameAnalysisTest, LongNamesAreReducedGridByGrid) {
    ASSERT_TRUE(AnalyseBrandName(View("九万", "珠宝珠宝珠宝")));
    EXPECT_TRUE(MemoHas("【珠宝珠宝珠宝】数理13分析："));
    EXPECT_TRUE(MemoHas("【九万珠宝珠宝珠宝】数理37分析："));
    EXPECT_TRUE(MemoHas(ReadingOf(37)));

    // The suffix grid over sums of 1, 80, 81, 97, 160 and 161 strokes
    // (一 1, 九 9, 天 4, 宝 20).
    const std::string nine9 = "九九九九九九九九九";
    const std::pair<std::string, int> sums[] = {
        {"一", 1},
        {"宝宝宝宝", 80},
        {nine9, 1},
        {nine9 + "天天天天", 17},
        {"宝宝宝宝宝宝宝宝", 80},
        {"宝宝宝宝宝宝宝宝一", 1},
    };
    for (const auto& [suffix, number] : sums) {
        ASSERT_TRUE(AnalyseBrandName(View("九万", suffix)));
        EXPECT_TRUE(MemoHas("【" + suffix + "】数理" + std::to_string(number) + "分析："))
            << suffix;
    }
}

// A minute that is no number is refused like any other check, before a
// line is written.
TEST_F(NameAnalysisTest, AnUnreadableMinuteLeavesTheMemoAlone) {
    BrandNameView v = View("九万", "珠宝");
    v.birth.minute = "x";
    FillMemoWithEarlierReport();
    const AnalysisOutcome outcome = AnalyseBrandName(v);
    EXPECT_FALSE(outcome);
    EXPECT_EQ(outcome.message, "出生分钟无效：“x”不是数字，请重新输入!");
    EXPECT_EQ(memo, (std::vector<std::string>{"earlier report", ""}));
}

// quillora-cli analyse prints the memo's lines and nothing else.
TEST_F(NameAnalysisTest, CommandLinePrintsTheMemoLines) {
    BrandNameView v = View("九万", "珠宝");
    v.currentYear = 0;
    ASSERT_TRUE(AnalyseBrandName(v));
    const CliResult r = RunCli(
        Words("analyse --name 张三 --sex 男 --calendar 公历 --year 1980 --month 1 --day 1 --hour 0 "
              "--minute 0 --main 九万 --suffix 珠宝"));
    EXPECT_EQ(r.status, 0) << r.err;
    ExpectSameLines(SplitLines(r.out), memo);

    // A failed check: its message on stderr, status 2, no lines.
    const CliResult failing =
        RunCli(Words("analyse --year 1980 --month 1 --day 1 --hour 0 --main 九"));
    EXPECT_EQ(failing.out, "");
    EXPECT_EQ(failing.status, 2);
    EXPECT_NE(failing.err, "");
}

// analyse --batch: one row per name of the file (UTF-8 with a byte order
// mark, CRLF, a blank line), the score the single analysis gives, the source,
// the warnings and the class; a name that fails its check keeps its row.
TEST(NameAnalysisCli, BatchRowsAgreeWithTheSingleAnalysis) {
    const std::filesystem::path list =
        std::filesystem::temp_directory_path() / ("quillora_batch_" + std::to_string(::getpid()));
    {
        std::ofstream out(list, std::ios::binary);
        out << "\xEF\xBB\xBF九万\t珠宝\r\n\r\n中国最\t珠宝有限公司\r\n关雎\r\n九\r\n";
    }
    const CliResult r = RunCli({"analyse", "--batch", list.string(), "--year", "1980", "--month",
                                "1", "--day", "1", "--hour", "0"});
    std::filesystem::remove(list);
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<std::string> lines = SplitLines(r.out);
    ASSERT_EQ(lines.size(), 5u) << r.out;
    EXPECT_EQ(lines[0],
              "编号\t品牌商标名称\t总体评分\t主体数理\t全称数理\t名称五行\t补八字\t拼音\t"
              "雅名分\t出处\t注册提示\t尼斯分类");
    const std::vector<std::string> jiuwan = SplitFields(lines[1]);
    ASSERT_EQ(jiuwan.size(), 12u);
    EXPECT_EQ(jiuwan[1], "九万珠宝");
    EXPECT_EQ(jiuwan[2], "94");  // the 【总体评分】 of the whole report above
    // Pinyin and appeal as the report's 【名称雅俗】 line gives them.
    QueryObject names(DbConnectionString(kParvelloFile), kCharLookupTimeout);
    EXPECT_EQ(AppealLine(names, BrandName{"", "九万", "珠宝"})
                  .rfind("【名称雅俗】：雅名分" + jiuwan[8] + "分（拼音 " + jiuwan[7] + "；", 0),
              0u);
    EXPECT_EQ(jiuwan[11], "第14类 珠宝钟表");
    const std::vector<std::string> state = SplitFields(lines[2]);
    EXPECT_EQ(state[10], "中国（国名）；最（最高级）");
    EXPECT_EQ(SplitFields(lines[3])[9], "关关雎鸠，在河之洲。——《诗经·周南·关雎》");
    EXPECT_EQ(SplitFields(lines[4])[2], kMainNameTooShort);

    const CliResult missing =
        RunCli(Words("analyse --batch /nonexistent/list.txt --year 1980 "
                     "--month 1 --day 1 --hour 0"));
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("/nonexistent/list.txt"), std::string::npos);
}

// ---- The overall score on hand-worked names --------------------------------

namespace {

NameGrades Grades(std::vector<int> strokes, long long affix, std::vector<std::string> elements) {
    NameGrades g;
    g.mainStrokes = std::move(strokes);
    g.affixStrokes = affix;
    long long main = 0;
    for (int s : g.mainStrokes) {
        g.charNumbers.push_back(s);
        main += s;
    }
    g.mainNumber = NumerologyNumber(main);
    g.fullNumber = NumerologyNumber(main + affix);
    g.mainElements = std::move(elements);
    return g;
}

}  // namespace

// 总体评分 = 50 + 45 q of the main strokes (q = 0.5 T + 0.3 P + 0.2 S, luck
// 1 / 0.6 / 0) + 4, 3 or 2 for the full name's number; also for a pattern
// the pattern table does not hold. The element fit stands beside it.
// The appeal of a name from the real tables: grades, pairs that read
// together, and the sound and repetition penalties.
TEST(BrandNameScore, AppealRules) {
    QueryObject strokes(DbConnectionString(kParvelloFile), kCharLookupTimeout);
    AppealBook book(strokes.Connection());
    struct Case {
        const char* name;
        int points;
        int together;
        const char* note;
    };
    const Case cases[] = {
        // Two favoured characters forming a name part that is a shop name:
        // 60 + 10 + 10 + 10; a name part that is none reads after two
        // shop-name characters (恒瑞 below).
        {"锦绣", 90, kShopName, "文采雅致；锦绣成词"},
        {"珍珠", 76, kWhole, "华美珍贵；珍珠成词；声母相同拗口；声调单一"},
        // A favoured and a plain character side by side in verse.
        {"明月", 80, kWholeWithVerse, "光明远大；明月见于诗文"},
        // Three favoured, a verse pair, one character twice apart: -10, and
        // the name no longer reads whole.
        {"松满松", 90, kVersePair, "自然清雅；富贵兴旺；满松见于诗文；松字重出"},
        // A verse pair that sounds like a word a name avoids lifts nothing.
        {"和尚", 65, kReadsApart, "吉祥安康；经营通达；和尚见于诗文；和尚音近“和尚”"},
        // Same final and tone throughout: -6 and -8.
        {"一一", 56, kWholeWithPart, "一一见于诗文；韵母相同拗口；声调单一"},
        // Shop-name characters alone: +10 once; a closing character ends a
        // longer name, one that reads anywhere else does not. A listed shop
        // name of them (恒瑞) reads as one.
        {"恒瑞", 90, kShopName, "吉祥安康；恒瑞皆字号常用字"},
        {"恒卓", 90, kWholeWithPart, "吉祥安康；经营通达；恒卓皆字号常用字"},
        {"瑞丰祥", 100, kShopName, "吉祥安康；富贵兴旺；瑞丰祥皆字号常用字"},
        // A possible shop name reads below a listed one, alone and closed.
        {"金鑫", 76, kPlainShopName, "富贵兴旺；韵母相同拗口；声调单一；金鑫皆字号常用字"},
        {"金鑫隆", 94, kPlainShopName, "富贵兴旺；韵母相同拗口；金鑫隆皆字号常用字"},
        {"瑞卓祥", 100, kWhole, "吉祥安康；经营通达；瑞卓祥皆字号常用字"},
        {"瑞丰杰", 90, kReadsApart, "吉祥安康；富贵兴旺；光明远大"},
        // A shop name closed by a place of trade, which reads only last; a
        // shop name closed by its own last character is a slip.
        {"锦绣阁", 100, kShopName, "文采雅致；锦绣成词；绣阁见于诗文"},
        {"永泰泰", 88, kNamePart, "吉祥安康；永泰成词；声母相同拗口；韵母相同拗口"},
        {"阁锦绣", 100, kNamePart, "文采雅致；锦绣成词"},
        // A place of trade closes only a longer name.
        {"恒轩", 80, kReadsApart, "吉祥安康；文采雅致"},
        // A shop-name character before a thing reads whole when the thing
        // closes the name (源 is an ending, 凰 is not); an action does not
        // read whole in a longer name.
        {"鸿财源", 92, kWholeWithPart, "光明远大；富贵兴旺；自然清雅；财源成词；声调单一"},
        {"金凤凰", 100, kNamePart, "富贵兴旺；吉祥安康；凤凰成词"},
        {"华飞扬", 90, kNamePart, "华美珍贵；光明远大；飞扬成词"},
        // Four characters: a shop name of two and a word that closes it read
        // as a company name, less well with a plain close; two other things
        // read whole.
        {"华瑞伟业", 100, kShopName,
         "华美珍贵；吉祥安康；光明远大；华瑞成词；韵母相同拗口；伟业成词"},
        {"华瑞致远", 100, kWholeWithPart, "华美珍贵；吉祥安康；经营通达；华瑞成词；致远成词"},
        // Two shop-name characters before a close read below a shop name.
        {"恒瑞伟业", 94, kShopName, "吉祥安康；光明远大；韵母相同拗口；伟业成词"},
        {"恒卓伟业", 100, kWholeWithPart, "吉祥安康；经营通达；光明远大；伟业成词"},
        // A shop front (翰林) is a shop name alone and closed, not before a close.
        {"翰林恒业", 100, kWhole, "文采雅致；自然清雅；吉祥安康；翰林成词；恒业成词"},
        {"翰林轩", 100, kShopName, "文采雅致；自然清雅；翰林成词"},
        {"白雪银杉", 100, kWhole, "自然清雅；富贵兴旺；白雪成词；银杉成词"},
        // A quality word alone is too plain to read whole as a mark.
        {"幸福", 90, kNamePart, "吉祥安康；幸福成词"},
    };
    for (const Case& c : cases) {
        const NameAppeal a = AppealOf(book, SplitChars(c.name));
        EXPECT_EQ(a.points, c.points) << c.name;
        EXPECT_EQ(a.together, c.together) << c.name;
        EXPECT_EQ(a.note, c.note) << c.name;
    }
}

TEST(BrandNameScore, HandWorkedNames) {
    struct Case {
        NameGrades grades;
        int points;
        std::string reason;
    };
    const Case cases[] = {
        // 5, 6: q = 0.5 + 0.3 + 0.16 = 0.96 -> 93; full 11 is lucky: + 4.
        {Grades({5, 6}, 0, {}), 97,
         "主体笔画格局93分：主体数理吉，单字数理1吉1半吉；全称数理吉加4分"},
        // The same main name with 31 strokes of suffix: full 42 is in no set.
        {Grades({5, 6}, 31, {}), 95,
         "主体笔画格局93分：主体数理吉，单字数理1吉1半吉；全称数理凶加2分"},
        // 2, 2: nothing lucky, q = 0 -> 50 (no pattern of the table); full 4: + 2.
        {Grades({2, 2}, 0, {}), 52, "主体笔画格局50分：主体数理凶，单字数理2凶；全称数理凶加2分"},
        // 30, 30, 30, 1: T = luck(91 -> 11) = 1, pairs 60 60 31 (0, 0, 1),
        // singles 30 30 30 1 (0.6 x 3, 1): q = 0.5 + 0.1 + 0.14 = 0.74 -> 83;
        // full 91 reduces to 11: + 4.
        {Grades({30, 30, 30, 1}, 0, {}), 87,
         "主体笔画格局83分：主体数理吉，单字数理1吉3半吉；全称数理吉加4分"},
        // No character counted (Latin letters only): no score.
        {Grades({}, 0, {}), 0, "主体名称无可计笔画的字"},
    };
    for (const Case& c : cases) {
        const OverallScore score = ScoreBrandName(c.grades);
        EXPECT_EQ(score.points, c.points) << c.reason;
        EXPECT_EQ(score.reason, c.reason);
    }
    const char* const readings = "（名称按用字五行，八字按干支五行）";
    EXPECT_EQ(ElementFitLine(Grades({5, 6}, 0, {"水", "金"}), {{}, {"水"}}),
              std::string("【五行补益】：八字五行俱全；喜用神水，名称含水") + readings);
    EXPECT_EQ(
        ElementFitLine(Grades({5, 6}, 0, {"火", ""}), {{"金", "木", "火"}, {"土"}}),
        std::string("【五行补益】：八字缺金、木、火，名称补火；喜用神土，名称未含") + readings);
    EXPECT_EQ(OverallScoreLine({79, "理由"}), "【总体评分】：79分（理由）");
}
