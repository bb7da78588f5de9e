// Generation runs on the real reference tables: the birth-data checks, the
// generation state, the fixed-character messages, and every candidate of
// every statement checked against the tables it came from.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <tuple>

#include "calendar/FiveElement.h"
#include "common/Text.h"
#include "data/Database.h"
#include "naming/Appeal.h"
#include "naming/GenerationRun.h"
#include "naming/ResultsGrid.h"
#include "support/CliProcess.h"
#include "support/Files.h"
#include "support/ScratchData.h"

using namespace quillora;
using namespace quillora::test;

namespace {

// 1971-12-13 00:00 is 辛亥 庚子 壬申 庚子: 金水 金水 水金 金水, lacking 木, 火
// and 土. 1985-06-15 12:00 is 乙丑 壬午 乙酉 壬午: 木土 水火 木金 水火, lacking
// nothing.
GenerationRequest Request(bool lacking, int length) {
    GenerationRequest r;
    r.person.name = "张三";
    r.person.sex = "男";
    r.person.year = lacking ? "1971" : "1985";
    r.person.month = lacking ? "12" : "6";
    r.person.day = lacking ? "13" : "15";
    r.person.hour = lacking ? "子 0" : "午 12";
    r.person.minute = "0";
    r.lengthIndex = length - 2;
    return r;
}

// The reduction and the bonus sets as the scoring rules state them.
int Reduce(long long t) {
    return t > 80 ? (t % 80 == 0 ? 80 : static_cast<int>(t % 80)) : t;
}
int Bonus(int t) {
    static const std::set<int> first = {0,  1,  3,  5,  7,  8,  11, 13, 15, 16, 18,
                                        21, 23, 24, 25, 31, 32, 33, 35, 37, 39, 41,
                                        45, 47, 48, 52, 57, 61, 63, 65, 67, 68};
    static const std::set<int> second = {6, 17, 26, 27, 29, 30, 38, 49, 51, 55, 58, 71, 73, 75};
    return first.count(t) ? 4 : second.count(t) ? 3 : 2;
}

struct WordRow {
    long long bh;
    std::string ft;
    std::string wuhang;
};

// The reference tables, read once.
class Tables {
  public:
    static const Tables& Get() {
        static const Tables t;
        return t;
    }
    std::map<std::string, WordRow> word;
    std::set<std::string> cyzi;
    std::set<std::string> mz;
    std::map<std::tuple<int, int, int, int, int>, long long> gz;

  private:
    Tables() {
        QueryObject q(DbConnectionString(kParvelloFile), kDefaultTimeout);
        q.SetStatement("select zi, bh, ft, wuhang from word");
        q.Open();
        for (int r = 1; r <= q.RecordCount(); ++r) {
            q.MoveTo(r);
            word[q.FieldText(0)] = {q.FieldInt(1), q.FieldText(2), q.FieldText(3)};
        }
        q.Close();
        q.SetStatement("select zi from CYZI");
        q.Open();
        for (int r = 1; r <= q.RecordCount(); ++r) {
            q.MoveTo(r);
            cyzi.insert(q.FieldText(0));
        }
        q.Close();
        q.SetStatement("select zi from MZ");
        q.Open();
        for (int r = 1; r <= q.RecordCount(); ++r) {
            q.MoveTo(r);
            mz.insert(q.FieldText(0));
        }
        q.Close();
        q.SetStatement("select lx, bh11, bh12, bh21, bh22, zf from gz");
        q.Open();
        for (int r = 1; r <= q.RecordCount(); ++r) {
            q.MoveTo(r);
            gz[{int(q.FieldInt(0)), int(q.FieldInt(1)), int(q.FieldInt(2)), int(q.FieldInt(3)),
                int(q.FieldInt(4))}] = q.FieldInt(5);
        }
    }
};

// The documented sample size of the free positions of each statement; 0 for
// the whole of CYZI.
int SampleSize(const std::string& label) {
    static const std::map<std::string, int> sizes = {
        {"G2-1", 230},  {"G2-2", 0},     {"G2-3", 0},     {"G3-1", 50},    {"G3-2", 200},
        {"G3-3", 200},  {"G3-4", 200},   {"G3-5", 0},     {"G3-6", 0},     {"G3-7", 0},
        {"G4-1", 300},  {"G4-2", 50},    {"G4-3", 50},    {"G4-4", 50},    {"G4-5", 50},
        {"G4-6", 300},  {"G4-7", 300},   {"G4-8", 300},   {"G4-9", 300},   {"G4-10", 300},
        {"G4-11", 300}, {"G4-12", 1000}, {"G4-13", 1000}, {"G4-14", 1000}, {"G4-15", 1000}};
    return sizes.at(label);
}

int RowLimit(const std::string& label) {
    if (label == "G2-1" || label == "G3-1")
        return 50000;
    if (label.rfind("G4", 0) == 0)
        return 100000;
    return 1 << 30;
}

const char* const kFixedChars[4] = {"金", "华", "通", "达"};

}  // namespace

TEST(GenerationRun, BirthChecksStopTheRunAndKeepTheState) {
    QueryObject strokes(DbConnectionString(kParvelloFile), kCharLookupTimeout);
    GenerationState state;
    state.MissingWuhang = "木";
    state.NameEndBh = 7;
    state.WuhangFilter = "x";
    GenerationRequest r = Request(true, 2);
    r.person.name = "  ";
    PreparedGeneration p = PrepareGeneration(r, state, strokes);
    EXPECT_EQ(p.stop, GenerationStop::BirthCheck);
    EXPECT_EQ(p.issue.message, "姓名不能为空!");
    EXPECT_EQ(p.issue.focus, BirthField::Name);
    EXPECT_EQ(state.MissingWuhang, "");
    EXPECT_EQ(state.NameEndBh, 7);
    EXPECT_EQ(state.WuhangFilter, "x");

    r = Request(true, 2);
    r.person.year = " ";
    EXPECT_EQ(PrepareGeneration(r, state, strokes).issue.message, "请选择出生年!");
    r = Request(true, 2);
    r.person.hour = "";
    EXPECT_EQ(PrepareGeneration(r, state, strokes).issue.message, "请选择出生小时!");
}

TEST(GenerationRun, StateOfSuffixPrefixAndMissingElements) {
    QueryObject strokes(DbConnectionString(kParvelloFile), kCharLookupTimeout);
    GenerationState state;
    GenerationRequest r = Request(true, 2);
    r.suffix = " 珠宝 ";
    PreparedGeneration p = PrepareGeneration(r, state, strokes);
    ASSERT_EQ(p.stop, GenerationStop::None);
    // 珠 11 and 宝 (寶) 20 strokes; traditional forms 珠 and 寶.
    EXPECT_EQ(state.NameEndBh, 31);
    EXPECT_EQ(state.AffixBh, 31);
    EXPECT_EQ(state.NameEndFt, "珠寶");
    EXPECT_EQ(state.NameBeginFt, "");
    // Lacking 木火土, two characters keep 木 and 火.
    EXPECT_EQ(state.MissingWuhang, "木火");
    EXPECT_EQ(state.WuhangFilter, " and (wuhang like '%木%') and (wuhang like '%火%')");
    EXPECT_STREQ(p.statement->label, "G2-1");
    EXPECT_EQ(p.sql.rfind("select * from (", 0), 0u);

    // With a prefix 万 (萬, 15 strokes) the affix strokes grow, the suffix's
    // do not.
    r.prefix = "万";
    r.lengthIndex = 2;
    PrepareGeneration(r, state, strokes);
    EXPECT_EQ(state.NameEndBh, 31);
    EXPECT_EQ(state.AffixBh, 46);
    EXPECT_EQ(state.NameBeginFt, "萬");
    EXPECT_EQ(state.MissingWuhang, "木火土");

    // A chart with all five elements, straight after one that lacked some:
    // no condition and no wrapping; empty affixes count nothing.
    r = Request(false, 4);
    p = PrepareGeneration(r, state, strokes);
    EXPECT_EQ(state.MissingWuhang, "");
    EXPECT_EQ(state.WuhangFilter, "");
    EXPECT_EQ(state.NameEndBh, 0);
    EXPECT_EQ(state.AffixBh, 0);
    EXPECT_EQ(state.NameEndFt, "");
    EXPECT_EQ(p.sql, p.statement->sql);
}

TEST(GenerationRun, FixedCharacterMessagesComeAfterTheStateIsRewritten) {
    QueryObject strokes(DbConnectionString(kParvelloFile), kCharLookupTimeout);
    const char* messages[3] = {"二字名不能同时固定两个字！", "三字名不能同时固定三个字！",
                               "四字名不能同时固定四个字！"};
    for (int length = 2; length <= 4; ++length) {
        GenerationState state;
        GenerationRequest r = Request(true, length);
        r.suffix = "珠宝";
        for (int i = 0; i < length; ++i)
            r.fixed[i] = kFixedChars[i];
        const PreparedGeneration p = PrepareGeneration(r, state, strokes);
        EXPECT_EQ(p.stop, GenerationStop::FixedCharacters);
        EXPECT_EQ(p.notice, messages[length - 2]);
        EXPECT_EQ(p.statement, nullptr);
        EXPECT_EQ(state.NameEndBh, 31);
        EXPECT_FALSE(state.MissingWuhang.empty());
    }
    // Three characters with the first three filled: the message, whatever the
    // fourth field holds.
    GenerationState state;
    GenerationRequest r = Request(true, 3);
    r.fixed = {"金", "华", "通", ""};
    EXPECT_EQ(PrepareGeneration(r, state, strokes).notice, messages[1]);
}

// A fixed character that word lacks, or one that holds an apostrophe, gives
// an empty result and no error; so does a suffix with an apostrophe.
TEST(GenerationRun, UnknownFixedCharactersGiveNoRows) {
    QueryObject strokes(DbConnectionString(kParvelloFile), kCharLookupTimeout);
    QueryObject adoComDS(kGenerationTimeout);
    for (const char* odd : {"x", "'", "%"}) {
        GenerationState state;
        GenerationRequest r = Request(false, 3);
        r.fixed[1] = odd;
        r.suffix = "珠'宝";
        const PreparedGeneration p = PrepareGeneration(r, state, strokes);
        ASSERT_EQ(p.stop, GenerationStop::None);
        EXPECT_EQ(state.NameEndBh, 31);
        EXPECT_STREQ(p.statement->label, "G3-3");
        EXPECT_FALSE(OpenGeneration(p, adoComDS, state));
        EXPECT_EQ(adoComDS.RecordCount(), 0);
        ResultGrid grid;
        grid.SetCell(1, kColNumber, "1");
        ShowCandidates(adoComDS, state, "", "", grid);
        EXPECT_EQ(grid.ShownRows(), 0);
    }
}

// Each statement, for a chart lacking 木火土 and one lacking nothing: every
// row of the result is checked against word, CYZI, MZ and gz, and the grid's
// score against the scoring rule.
TEST(GenerationRun, EveryCandidateSatisfiesItsStatement) {
    const Tables& t = Tables::Get();
    QueryObject strokes(DbConnectionString(kParvelloFile), kCharLookupTimeout);
    QueryObject adoComDS(kGenerationTimeout);
    SeedRandom(20240501);
    for (const GenerationStatement& s : GenerationStatements()) {
        for (const bool lacking : {true, false}) {
            SCOPED_TRACE(std::string(s.label) + (lacking ? " lacking 木火土" : " lacking none"));
            GenerationRequest r = Request(lacking, s.length);
            r.suffix = "珠宝";
            for (int i = 0; i < 4; ++i) {
                if ((s.fixedMask & (1u << i)) != 0)
                    r.fixed[i] = kFixedChars[i];
            }
            GenerationState state;
            const PreparedGeneration p = PrepareGeneration(r, state, strokes);
            ASSERT_EQ(p.stop, GenerationStop::None);
            ASSERT_EQ(p.statement, &s);
            const bool more = OpenGeneration(p, adoComDS, state);
            const int rows = adoComDS.RecordCount();
            EXPECT_EQ(more, rows > 200);
            EXPECT_LE(rows, RowLimit(s.label));
            // Without element conditions every statement finds names.
            if (!lacking) {
                EXPECT_GT(rows, 0);
            }

            std::vector<std::set<std::string>> seen(s.length);
            for (int row = 1; row <= rows; ++row) {
                adoComDS.MoveTo(row);
                const std::string zi = adoComDS.FieldText("zi");
                const std::vector<std::string> chars = SplitChars(zi);
                ASSERT_EQ(static_cast<int>(chars.size()), s.length) << zi;
                std::string wuhang, ft;
                long long bh = 0;
                int strokes[4] = {0, 0, 0, 0};
                for (int i = 0; i < s.length; ++i) {
                    const auto w = t.word.find(chars[i]);
                    ASSERT_NE(w, t.word.end()) << chars[i];
                    strokes[i] = static_cast<int>(w->second.bh);
                    bh += w->second.bh;
                    wuhang += w->second.wuhang;
                    ft += w->second.ft;
                    seen[i].insert(chars[i]);
                    if ((s.fixedMask & (1u << i)) != 0) {
                        EXPECT_EQ(chars[i], kFixedChars[i]) << zi;
                    } else if (s.length < 4 || s.fixedMask != 0) {
                        EXPECT_TRUE(t.cyzi.count(chars[i])) << zi;
                    }
                }
                if (s.fixedMask == 0 && s.length == 4) {
                    EXPECT_TRUE(t.mz.count(chars[0] + chars[1])) << zi;
                    EXPECT_TRUE(t.mz.count(chars[2] + chars[3])) << zi;
                }
                EXPECT_EQ(adoComDS.FieldText("wuhang"), wuhang) << zi;
                EXPECT_EQ(adoComDS.FieldText("ft"), ft) << zi;
                EXPECT_EQ(adoComDS.FieldInt("bh"), bh) << zi;
                const auto pattern =
                    t.gz.find({s.length, strokes[0], strokes[1], strokes[2], strokes[3]});
                ASSERT_NE(pattern, t.gz.end()) << zi;
                EXPECT_EQ(adoComDS.FieldInt("fs"), pattern->second) << zi;
                for (const std::string& e : SplitChars(state.MissingWuhang)) {
                    EXPECT_NE(wuhang.find(e), std::string::npos) << zi << " lacks " << e;
                }
            }
            // Every free position draws from one sample of its documented size.
            const int sample = SampleSize(s.label);
            for (int i = 0; i < s.length && sample > 0; ++i) {
                if ((s.fixedMask & (1u << i)) == 0) {
                    EXPECT_LE(static_cast<int>(seen[i].size()), sample) << "position " << i + 1;
                }
            }

            ResultGrid grid;
            ShowCandidates(adoComDS, state, "", "珠宝", grid);
            EXPECT_EQ(grid.ShownRows(), std::min(rows, 200));
            for (int g = 1; g <= grid.ShownRows(); ++g) {
                const std::string main = grid.Cell(g, kColMainName);
                EXPECT_EQ(grid.Cell(g, kColBrandName), main + "珠宝");
                const long long mainBh = std::stoll(grid.Cell(g, kColMainStrokes));
                const long long total = std::stoll(grid.Cell(g, kColTotalStrokes));
                EXPECT_EQ(total, mainBh + 31);
                EXPECT_EQ(grid.Cell(g, kColSuffixStrokes), "31");
                const std::vector<std::string> chars = SplitChars(main);
                int strokes[4] = {0, 0, 0, 0};
                for (std::size_t i = 0; i < chars.size(); ++i) {
                    strokes[i] = static_cast<int>(t.word.at(chars[i]).bh);
                }
                const long long fs =
                    t.gz.at({s.length, strokes[0], strokes[1], strokes[2], strokes[3]});
                EXPECT_EQ(std::stoll(grid.Cell(g, kColScore)), fs + Bonus(Reduce(total))) << main;
            }
        }
    }
}

// Without fixed characters every chart that lacks at most two elements fills
// a page of 200 at every length, and three pages of one run never show a
// name twice; each page lists its rows best first.
TEST(GenerationRun, ChartsLackingAtMostTwoElementsFillAPageWithoutRepeats) {
    QueryObject adoComDS(kGenerationTimeout);
    AppealBook book(DbConnectionString(kParvelloFile));
    SeedRandom(15);
    const std::vector<std::string> five(ElementNames.begin(), ElementNames.end());
    std::vector<std::string> lacks = {""};
    for (std::size_t i = 0; i < five.size(); ++i) {
        lacks.push_back(five[i]);
        for (std::size_t j = i + 1; j < five.size(); ++j)
            lacks.push_back(five[i] + five[j]);
    }
    for (int length = 2; length <= 4; ++length) {
        for (const std::string& lack : lacks) {
            SCOPED_TRACE(std::to_string(length) + " lacking " + lack);
            const GenerationStatement& s = ChooseGenerationStatement(length, {});
            GenerationState state;
            PreparedGeneration p;
            p.statement = &s;
            p.keys = GenerationKeys(s, {});
            p.sql = WrapWithElementFilter(s.sql, ElementFilter(lack, length).filter);
            OpenGeneration(p, adoComDS, state);
            ResultGrid grid;
            std::set<std::string> names;
            for (int page = 1; page <= 3; ++page) {
                ShowCandidates(adoComDS, state, "", "", grid);
                if (page == 1) {
                    EXPECT_EQ(grid.ShownRows(), 200);
                }
                for (int g = 1; g <= grid.ShownRows(); ++g) {
                    EXPECT_TRUE(names.insert(grid.Cell(g, kColMainName)).second)
                        << grid.Cell(g, kColMainName) << " on page " << page;
                    // Best first: how the name reads (whole, with a part
                    // first; a name part; a pair of verse), appeal tier
                    // (90, 80, 70 points), then 总体评分.
                    auto rank = [&](int row) {
                        const int appeal = std::stoi(grid.Cell(row, kColAppeal));
                        const NameAppeal a =
                            AppealOf(book, SplitChars(grid.Cell(row, kColMainName)));
                        EXPECT_EQ(a.points, appeal);
                        return std::tuple(a.together, std::clamp(appeal / 10 - 6, 0, 3),
                                          std::stoi(grid.Cell(row, kColScore)));
                    };
                    if (g > 1) {
                        EXPECT_GE(rank(g - 1), rank(g)) << grid.Cell(g, kColMainName);
                    }
                }
            }
        }
    }
}

namespace {

// Runs quillora-cli generate with the given options after the birth data of
// 张三, 1971-12-13 00:00.
CliResult Generate(const std::vector<std::string>& options) {
    std::vector<std::string> args = Words(
        "generate --name 张三 --sex 男 --calendar 公历 --year 1971 --month 12 --day 13 --hour 0 "
        "--minute 0");
    args.insert(args.end(), options.begin(), options.end());
    return RunCli(args);
}

}  // namespace

// The user's own characters: an excluded one is never drawn (a quote or a %
// in the box is only a character), a preferred one that fits the patterns is
// on page one; both are kept as settings lines.
TEST(GenerationRun, ExcludedCharactersNeverAppearAndPreferredOnesComeFirst) {
    QueryObject strokes(DbConnectionString(kParvelloFile), kCharLookupTimeout);
    QueryObject adoComDS(kGenerationTimeout);
    auto run = [&](GenerationRequest r, int pages) {
        SeedRandom(77);
        GenerationState state;
        const PreparedGeneration p = PrepareGeneration(r, state, strokes);
        EXPECT_EQ(p.stop, GenerationStop::None);
        OpenGeneration(p, adoComDS, state);
        std::vector<std::string> names;
        ResultGrid grid;
        for (int page = 0; page < pages; ++page) {
            ShowCandidates(adoComDS, state, "", "", grid);
            for (int g = 1; g <= grid.ShownRows(); ++g)
                names.push_back(grid.Cell(g, kColMainName));
        }
        return names;
    };
    for (int length = 2; length <= 4; ++length) {
        SCOPED_TRACE(length);
        GenerationRequest r = Request(false, length);
        // Exclude every character of the first rows of a plain run.
        std::string exclude = "'%_\"";
        for (const std::string& name : run(r, 1)) {
            if (exclude.size() < 60)
                exclude += name;
        }
        r.exclude = exclude;
        const std::vector<std::string> kept = run(r, 3);
        EXPECT_GT(kept.size(), 200u);
        for (const std::string& name : kept) {
            for (const std::string& c : SplitChars(name))
                EXPECT_EQ(exclude.find(c), std::string::npos) << name;
        }
        r.exclude = "'";
        r.prefer = "锦";
        const std::vector<std::string> page = run(r, 1);
        ASSERT_FALSE(page.empty());
        EXPECT_NE(page.front().find("锦"), std::string::npos) << page.front();
    }
    const CharacterChoice choice = ParseCharacterChoice(FormatCharacterChoice({"死'%", "锦\n华"}));
    EXPECT_EQ(choice.exclude, "死'%");
    EXPECT_EQ(choice.prefer, "锦 华");
}

TEST(GenerateCommand, PrintsTheGridRepeatablyWithASeed) {
    const CliResult a = Generate(Words("--length 3 --fixed1 九 --suffix 珠宝 --seed 42"));
    ASSERT_EQ(a.status, 0) << a.err;
    EXPECT_EQ(Generate(Words("--length 3 --fixed1 九 --suffix 珠宝 --seed 42")).out, a.out);
    EXPECT_NE(Generate(Words("--length 3 --fixed1 九 --suffix 珠宝 --seed 43")).out, a.out);
    const std::vector<std::string> lines = SplitLines(a.out);
    ASSERT_EQ(lines.size(), 201u);
    EXPECT_EQ(
        lines[0],
        "编号\t品牌商标名称\t繁体字\t总体笔画\t主体名称\t主体五行\t主体笔画\t后缀笔画\t总体评分\t"
        "拼音\t雅名分\t寓意说明\t出处\t注册提示");
    for (std::size_t i = 1; i < lines.size(); ++i) {
        std::vector<std::string> cells;
        std::size_t start = 0;
        for (std::size_t tab; (tab = lines[i].find('\t', start)) != std::string::npos;) {
            cells.push_back(lines[i].substr(start, tab - start));
            start = tab + 1;
        }
        cells.push_back(lines[i].substr(start));
        ASSERT_EQ(cells.size(), 14u) << lines[i];
        EXPECT_EQ(cells[0], std::to_string(i));
        EXPECT_EQ(cells[1], cells[4] + "珠宝");
        EXPECT_EQ(cells[4].rfind("九", 0), 0u);
        EXPECT_EQ(cells[7], "31");
        EXPECT_EQ(cells[9].rfind("jiǔ ", 0), 0u) << cells[9];
        // The analysis report gives the same 总体评分 for the same name and suffix.
        if (i % 50 == 1) {
            const CliResult report = RunCli(
                Words("analyse --sex 男 --calendar 公历 --year 1971 --month 12 --day 13 --hour 0 "
                      "--minute 0 --suffix 珠宝 --main " +
                      cells[4]));
            EXPECT_NE(report.out.find("【总体评分】：" + cells[8] + "分（"), std::string::npos)
                << cells[4];
            // and the same source: the grid's cell is the report's first 出处 line.
            if (!cells[12].empty()) {
                EXPECT_NE(report.out.find(cells[12]), std::string::npos) << cells[12];
            }
        }
    }
    // Three pages, as two presses of "继续显示" add, never show a name twice.
    const std::vector<std::string> pages =
        SplitLines(Generate(Words("--length 3 --fixed1 九 --seed 1 --pages 3")).out);
    EXPECT_EQ(pages.size(), 601u);
    std::set<std::string> names;
    for (std::size_t i = 1; i < pages.size(); ++i) {
        std::size_t start = 0;
        for (int tab = 0; tab < kColMainName; ++tab)
            start = pages[i].find('\t', start) + 1;
        names.insert(pages[i].substr(start, pages[i].find('\t', start) - start));
    }
    EXPECT_EQ(names.size(), 600u);
    // CSV: commas and CRLF line ends.
    const CliResult csv = Generate(Words("--length 2 --seed 1 --format csv"));
    EXPECT_EQ(csv.out.rfind("编号,品牌商标名称,繁体字,", 0), 0u);
    EXPECT_NE(csv.out.find("\r\n1,"), std::string::npos);
}

TEST(GenerateCommand, ChecksAndFiles) {
    CliResult r = Generate(Words("--length 2 --fixed1 九 --fixed2 万"));
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "二字名不能同时固定两个字！\n");
    EXPECT_EQ(r.out, "");
    r = Generate(Words("--length 5"));
    EXPECT_EQ(r.status, 2);
    r = Generate({"--length", "2", "--seed", "3", "--exclude", "佩'%", "--prefer", "明"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.find("佩"), std::string::npos);
    EXPECT_NE(r.out.find("\t明"), std::string::npos);
    r = Generate(Words("--length 2 --format xlsx"));
    EXPECT_EQ(r.status, 2);
    const ScratchFolder folder;
    const std::string file = (folder / "grid.xlsx").string();
    r = Generate({"--length", "4", "--seed", "3", "--format", "xlsx", "--output", file});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(ReadFileBytes(file).substr(0, 2), "PK");
    // A CSV file starts with the UTF-8 byte-order mark.
    const std::string csv = (folder / "grid.csv").string();
    r = Generate({"--length", "2", "--seed", "3", "--format", "csv", "--output", csv});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(ReadFileBytes(csv).substr(0, 9), "\xEF\xBB\xBF编号");

    // A run without candidates says why, as an input check (status 2). The chart lacks 木火土; a
    // two-character name keeps 木火, and with 金 fixed one free character cannot supply both.
    const std::pair<const char*, const char*> empty[] = {
        {"--length 2 --fixed1 金", "八字缺木火，固定字金属金，其余1个字补不全所缺的木火"},
        {"--length 3 --fixed2 x", "固定字“x”不在字库中"},
        {"--length 3 --fixed2 齉", "画，取名的笔画格局只收1至30画的字"},
    };
    for (const auto& [options, reason] : empty) {
        r = Generate(Words(options));
        EXPECT_EQ(r.status, 2) << options;
        EXPECT_EQ(r.out, "") << options;
        EXPECT_NE(r.err.find(reason), std::string::npos) << options << ": " << r.err;
    }
    // With 林 (木) fixed and every 火 character of the pool excluded, nothing is
    // left: the message adds that fewer exclusions may help.
    const std::string fire =
        QueryFirstText(kParvelloFile, "select group_concat(zi, '') from CYZI where wuhang = '火'")
            .value_or("");
    ASSERT_FALSE(fire.empty());
    r = Generate({"--length", "2", "--fixed1", "林", "--exclude", fire});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("，或少排除几个字。"), std::string::npos) << r.err;
}
