// The naming tables as the build writes them: stroke counts by the Kangxi
// rule, traditional forms, elements, the drawing pool, the name parts, the
// scored stroke patterns and the readings. Expected values are worked by hand
// from the rules (radical strokes + residual strokes, the element order, the
// scoring formula), not read back from the builder.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "StrokePatterns.h"
#include "common/Text.h"
#include "data/Database.h"
#include "data/QueryObject.h"
#include "data/Statements.h"
#include "support/Files.h"

using namespace quillora;
using quillora::refdata::PatternScore;

namespace {

std::string Text(const std::string& file, const std::string& sql,
                 std::vector<SqlParam> params = {}) {
    return QueryFirstText(file, sql, std::move(params)).value_or("");
}

long long Number(const std::string& file, const std::string& sql,
                 std::vector<SqlParam> params = {}) {
    const std::string t = Text(file, sql, std::move(params));
    return t.empty() ? -1 : std::stoll(t);
}

long long Strokes(const std::string& zi) {
    return Number(kParvelloFile, sql::kWordStrokes, {zi});
}
std::string Traditional(const std::string& zi) {
    return Text(kParvelloFile, sql::kWordTraditional, {zi});
}
std::string Element(const std::string& zi) {
    return Text(kParvelloFile, sql::kWordElement, {zi});
}

// Rows of a committed TSV source (comment lines and the header skipped).
std::vector<std::vector<std::string>> SourceRows(const std::string& relative) {
    return test::ReadTsvFile(std::string(QUILLORA_SOURCE_DIR) + "/refdata/" + relative).rows;
}

struct StrokeCase {
    const char* zi;
    int bh;
    const char* why;
};

}  // namespace

// Radical strokes always count the radical's full form.
TEST(WordTable, StrokesCountTheFullRadicalOfTheTraditionalForm) {
    const StrokeCase cases[] = {
        {"江", 7, "氵 as 水 4 + 3"},
        {"海", 11, "氵 as 水 4 + 7"},
        {"花", 10, "艹 as 艸 6 + 4"},
        {"英", 11, "艹 as 艸 6 + 5"},
        {"道", 16, "辶 as 辵 7 + 9"},
        {"远", 17, "遠: 辵 7 + 10"},
        {"陈", 16, "陳: left 阝 as 阜 8 + 8"},
        {"阳", 17, "陽: 阜 8 + 9"},
        {"郭", 15, "right 阝 as 邑 7 + 8"},
        {"邦", 11, "邑 7 + 4"},
        {"珠", 11, "王 as 玉 5 + 6"},
        {"琳", 13, "玉 5 + 8"},
        {"肯", 10, "月 as 肉 6 + 4"},
        {"能", 12, "肉 6 + 6"},
        {"朗", 11, "月 the moon, 4 + 7"},
        {"明", 8, "日 4 + 4"},
        {"情", 12, "忄 as 心 4 + 8"},
        {"扬", 13, "揚: 扌 as 手 4 + 9"},
        {"猛", 12, "犭 as 犬 4 + 8"},
        {"福", 14, "礻 as 示 5 + 9"},
        {"补", 13, "補: 衤 as 衣 6 + 7"},
        {"钟", 17, "鍾: 金 8 + 9"},
        {"绿", 14, "綠: 糸 6 + 8"},
        {"诚", 14, "誠: 言 7 + 7"},
        {"罗", 20, "羅: 罒 as 网 6 + 14"},
        {"宝", 20, "寶: 宀 3 + 17"},
        {"建", 9, "廴 counts 3 in the Kangxi radical table"},
        {"魁", 14, "鬼 counts 10"},
        {"瓶", 11, "瓦 counts 5"},
        {"鑫", 24, "金 8 + 16"},
        {"德", 15, "彳 3 + 12"},
        {"林", 8, "木 4 + 4"},
        {"国", 11, "國: 囗 3 + 8"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Strokes(c.zi), c.bh) << c.zi << " " << c.why;
}

TEST(WordTable, NumeralsCountTheirValue) {
    const StrokeCase cases[] = {
        {"一", 1, ""},
        {"二", 2, ""},
        {"三", 3, ""},
        {"四", 4, "written 5"},
        {"五", 5, "written 4"},
        {"六", 6, "written 4"},
        {"七", 7, "written 2"},
        {"八", 8, "written 2"},
        {"九", 9, "乙 1 + 1 by the radical rule"},
        {"十", 10, "written 2"},
        {"百", 6, ""},
        {"千", 3, ""},
        {"万", 15, "as 萬"},
        {"萬", 15, "艸 6 + 9 by the radical rule"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Strokes(c.zi), c.bh) << c.zi << " " << c.why;
}

// Characters that are surnames or name characters in their own right keep
// their form; others take the usual traditional form, also where Unihan lists
// several.
TEST(WordTable, TraditionalFormsAndTheirOverrides) {
    const std::map<std::string, std::pair<std::string, int>> cases = {
        {"范", {"范", 11}}, {"郁", {"郁", 13}}, {"云", {"云", 4}},  {"后", {"后", 6}},
        {"台", {"台", 5}},  {"余", {"余", 7}},  {"丰", {"丰", 4}},  {"杰", {"杰", 8}},
        {"占", {"占", 5}},  {"咨", {"咨", 9}},  {"姜", {"姜", 9}},  {"采", {"采", 8}},
        {"发", {"發", 12}}, {"钟", {"鍾", 17}}, {"历", {"歷", 16}}, {"当", {"當", 13}},
        {"么", {"麼", 14}}, {"国", {"國", 11}}, {"华", {"華", 14}}, {"龙", {"龍", 16}},
        {"乐", {"樂", 15}}, {"东", {"東", 8}},  {"發", {"發", 12}}, {"九", {"九", 9}},
    };
    for (const auto& [zi, expected] : cases) {
        EXPECT_EQ(Traditional(zi), expected.first) << zi;
        EXPECT_EQ(Strokes(zi), expected.second) << zi;
    }
}

// A simplified character counts exactly as its traditional form does.
TEST(WordTable, SimplifiedCountsAsItsTraditionalForm) {
    const auto rows = SourceRows("word/word.tsv");
    std::map<std::string, std::vector<std::string>> byZi;
    for (const auto& r : rows)
        byZi[r.at(0)] = r;
    int pairs = 0;
    for (const auto& [zi, r] : byZi) {
        const auto ft = byZi.find(r.at(2));
        if (ft == byZi.end() || ft->first == zi || ft->second.at(2) != ft->first)
            continue;
        if (r.at(5) == "numeral")
            continue;
        ++pairs;
        EXPECT_EQ(r.at(1), ft->second.at(1)) << zi << " / " << ft->first;
    }
    EXPECT_GT(pairs, 2000);
}

// Without a Kangxi entry the total strokes of the traditional form count
// (Unihan kTotalStrokes: 啫 11, 喺 12).
TEST(WordTable, FallbackToTotalStrokes) {
    EXPECT_EQ(Strokes("啫"), 11);
    EXPECT_EQ(Strokes("喺"), 12);
    int fallbacks = 0;
    for (const auto& r : SourceRows("word/word.tsv"))
        fallbacks += r.at(5) == "fallback";
    EXPECT_GT(fallbacks, 0);
    EXPECT_LT(fallbacks, 400);  // rare characters only
}

// The element list decides first, then the radical, then the initial.
TEST(WordTable, ElementOrderListThenRadicalThenInitial) {
    // In the list: 准 is 土 though 冫 would say 水 and zh 金; 净 金 against
    // 水 and j 木; 凌 火 against 冫 水.
    EXPECT_EQ(Element("准"), "土");
    EXPECT_EQ(Element("净"), "金");
    EXPECT_EQ(Element("凌"), "火");
    // Not in the list, a radical with a clear majority in the list decides:
    // 垙 土 (not g 木), 坰 土 (not j 木), 氻 水 (氵; not l 火).
    EXPECT_EQ(Element("垙"), "土");
    EXPECT_EQ(Element("坰"), "土");
    EXPECT_EQ(Element("氻"), "水");
    // Neither, or a radical without a clear majority (冫): the majority
    // element of the initial of the reading.
    EXPECT_EQ(Element("凓"), "火");  // l
    EXPECT_EQ(Element("哲"), "火");  // zh
    EXPECT_EQ(Element("们"), "水");  // m
    EXPECT_EQ(Element("例"), "火");  // l
    EXPECT_EQ(Element("伋"), "木");  // j
    EXPECT_EQ(Element("佘"), "金");  // sh
    EXPECT_EQ(Element("倻"), "土");  // no initial
}

TEST(WordTable, EveryListedCharacterTakesTheListsElement) {
    std::map<std::string, std::set<std::string>> listed;
    for (const auto& r : SourceRows("char-elements.tsv"))
        listed[r.at(0)].insert(r.at(1));
    ASSERT_EQ(listed.size(), 7013u);
    for (const auto& [zi, elements] : listed) {
        EXPECT_TRUE(elements.count(Element(zi))) << zi;
    }
}

TEST(ParvelloTables, CountsAndConsistency) {
    EXPECT_GE(Number(kParvelloFile, "select count(*) from word"), 20000);
    const long long pool = Number(kParvelloFile, "select count(*) from CYZI");
    // The plain and favoured rows of ratings.tsv and the rows of extra.tsv.
    EXPECT_EQ(pool, 520);
    EXPECT_EQ(Number(kParvelloFile, "select count(distinct ID) from CYZI"), pool);
    EXPECT_EQ(Number(kParvelloFile, "select count(*) from MZ"), 1320);
    const auto extra = SourceRows("cyzi/extra.tsv");
    EXPECT_EQ(Number(kParvelloFile, "select count(*) from zirating"),
              3500 + static_cast<long long>(extra.size()));
    for (const auto& r : extra) {
        EXPECT_EQ(Number(kParvelloFile, "select count(*) from CYZI where zi = ?", {r.at(0)}), 1)
            << r.at(0);
    }
    EXPECT_GE(Number(kParvelloFile, "select count(*) from reading"), 20000);
    for (int lx = 2; lx <= 4; ++lx) {
        EXPECT_GT(Number(kParvelloFile, "select count(*) from gz where lx = ?",
                         {static_cast<long long>(lx)}),
                  0)
            << lx;
    }
    // Pool rows agree with word; parts agree with their characters.
    EXPECT_EQ(Number(kParvelloFile,
                     "select count(*) from CYZI c join word w on w.zi = c.zi "
                     "where w.bh <> c.bh or w.ft <> c.ft or w.wuhang <> c.wuhang"),
              0);
    EXPECT_EQ(Number(kParvelloFile,
                     "select count(*) from MZ m, word a, word b where a.zi = substr(m.zi, 1, 1) "
                     "and b.zi = substr(m.zi, 2, 1) and (m.bh1 <> a.bh or m.bh2 <> b.bh or "
                     "m.ft <> a.ft || b.ft or m.wuhang <> a.wuhang || b.wuhang)"),
              0);
    // A part may hold a weak character (rated, not drawn), never an unfit one.
    EXPECT_EQ(Number(kParvelloFile,
                     "select count(*) from MZ where substr(zi, 1, 1) not in "
                     "(select zi from zirating where grade > 0) or substr(zi, 2, 1) not in "
                     "(select zi from zirating where grade > 0)"),
              0);
    // Draw weights: 8 a shop-name character that reads anywhere or closes a
    // name, 3 a place of trade, 2 favoured, 1 plain; every shop-name
    // character is in word and none is unfit.
    EXPECT_EQ(Number(kParvelloFile,
                     "select count(*) from CYZI c left join tradezi t on t.zi = c.zi "
                     "join zirating r on r.zi = c.zi where c.weight <> case "
                     "when t.place in (1, 3) then 8 when t.place = 2 then 3 "
                     "when r.grade = 2 then 2 else 1 end"),
              0);
    // The characters of two-character shop names are drawn first for the
    // first and second place of a two- or three-character name.
    EXPECT_EQ(Number(kParvelloFile,
                     "select count(*) from partrole r join CYZI a on a.zi = substr(r.zi, 1, 1) "
                     "join CYZI b on b.zi = substr(r.zi, 2, 1) where r.role in (1, 4) "
                     "and (a.weight_first <> 1000 or b.weight_second <> 1000)"),
              0);
    // And those of the closes for the third and fourth place of a
    // four-character name with a fixed character.
    EXPECT_EQ(Number(kParvelloFile,
                     "select count(*) from partrole r join CYZI a on a.zi = substr(r.zi, 1, 1) "
                     "join CYZI b on b.zi = substr(r.zi, 2, 1) where r.role = 2 "
                     "and (a.weight_third <> 1000 or b.weight_fourth <> 1000)"),
              0);
    // A part that fronts or closes a company name is drawn 40 times as often
    // as a plain part, a plain close 8 times; a shop front is a plain part.
    EXPECT_EQ(
        Number(kParvelloFile,
               "select count(*) from MZ m where m.weight <> case "
               "when exists (select 1 from partrole r where r.zi = m.zi and r.role in (1, 2)) "
               "then 40 when exists (select 1 from partrole r where r.zi = m.zi and "
               "r.role = 3) then 8 else 1 end"),
        0);
    // The shop names beside the parts are fronts or possible shop names of
    // shop-name characters.
    EXPECT_EQ(
        Number(
            kParvelloFile,
            "select count(*) from partrole r join tradezi a on a.zi = substr(r.zi, 1, 1) "
            "join tradezi b on b.zi = substr(r.zi, 2, 1) where r.role in (1, 5) and a.place <> 2 "
            "and b.place <> 2 and r.zi not in (select zi from MZ)"),
        static_cast<long long>(SourceRows("cyzi/shopnames.tsv").size()));
    EXPECT_EQ(Number(kParvelloFile, "select count(*) from tradezi"),
              static_cast<long long>(SourceRows("cyzi/trade.tsv").size()));
    EXPECT_EQ(Number(kParvelloFile,
                     "select count(*) from tradezi t left join word w on w.zi = t.zi "
                     "left join zirating r on r.zi = t.zi where w.zi is null or r.grade = 0"),
              0);
    // Every name part says what it is: a thing, a quality or an action.
    EXPECT_EQ(Number(kParvelloFile,
                     "select count(*) from MZ m left join partkind k on k.zi = m.zi "
                     "where k.kind is null or k.kind not in ('n', 'a', 'v')"),
              0);
    // The verse pairs of the appeal: side by side in verse, both in the pool.
    EXPECT_GT(Number(kParvelloFile, "select count(*) from verse_word"), 5000);
    EXPECT_EQ(Number(kParvelloFile,
                     "select count(*) from verse_word w left join verse_pair p on p.pair = w.pair "
                     "where p.gap is not 0 or substr(w.pair, 1, 1) not in (select zi from CYZI) "
                     "or substr(w.pair, 2, 1) not in (select zi from CYZI)"),
              0);
    EXPECT_EQ(Number(kParvelloFile, "select count(*) from verse_word where pair = ?",
                     {std::string("明月")}),
              1);
    // Every source shown can be written by the GBK text export.
    QueryObject verse(DbConnectionString(kParvelloFile), kGenerationTimeout);
    verse.SetStatement("select line || title || author from verse");
    verse.Open();
    EXPECT_GT(verse.RecordCount(), 30000);
    for (int row = 1; row <= verse.RecordCount(); ++row) {
        verse.MoveTo(row);
        ASSERT_TRUE(IsGbkEncodable(verse.FieldText(0))) << verse.FieldText(0);
    }
}

TEST(ParvelloTables, UnfitCharactersAreNotDrawn) {
    std::size_t unfit = 0;
    for (const auto& r : SourceRows("cyzi/ratings.tsv")) {
        EXPECT_EQ(Number(kParvelloFile, "select count(*) from zirating where zi = ? and grade = ?",
                         {r.at(0),
                          static_cast<long long>(r.at(1) == "unfit"                        ? 0
                                                 : r.at(1) == "plain" || r.at(1) == "weak" ? 1
                                                                                           : 2)}),
                  1)
            << r.at(0);
        // A weak or bound character is rated but not drawn.
        if (r.at(1) == "weak" || r.at(1) == "bound") {
            EXPECT_EQ(Number(kParvelloFile, "select count(*) from CYZI where zi = ?", {r.at(0)}), 0)
                << r.at(0);
        }
        if (r.at(1) != "unfit")
            continue;
        ++unfit;
        EXPECT_EQ(Number(kParvelloFile, "select count(*) from CYZI where zi = ?", {r.at(0)}), 0)
            << r.at(0);
        EXPECT_EQ(
            Number(kParvelloFile, "select count(*) from MZ where instr(zi, ?) > 0", {r.at(0)}), 0)
            << r.at(0);
    }
    EXPECT_EQ(unfit, 1364u);
    const auto words = SourceRows("mz/word-exclusions.tsv");
    EXPECT_FALSE(words.empty());
    for (const auto& r : words) {
        EXPECT_EQ(Number(kParvelloFile, "select count(*) from MZ where zi = ?", {r.at(0)}), 0)
            << r.at(0);
    }
    for (const char* c : {"死", "病", "亡", "凶", "杀", "鬼", "的", "了", "吗", "呢", "吧"}) {
        EXPECT_EQ(Number(kParvelloFile, "select count(*) from CYZI where zi = ?", {c}), 0) << c;
    }
}

// Hand-worked scores. luck: 1 for the first set, 0.6 for the second, else 0.
TEST(StrokePatterns, ScoresWorkedByHand) {
    // 5,6: T = luck(11) = 1, P = 1, S = (1 + 0.6) / 2 = 0.8;
    // q = 0.5 + 0.3 + 0.16 = 0.96, 50 + 43.2 -> 93.
    EXPECT_EQ(PatternScore(std::vector{5, 6}), 93);
    // 1,2: T = luck(3) = 1, P = 1, S = 0.5; q = 0.9, 50 + 40.5 = 90.5 -> 91
    // (half rounds up; 45 * 0.9 is not exact in floating point).
    EXPECT_EQ(PatternScore(std::vector{1, 2}), 91);
    // 1,5: T = luck(6) = 0.6, P = 0.6, S = 1; q = 0.3 + 0.18 + 0.2 = 0.68 -> 80.6 -> 81.
    EXPECT_EQ(PatternScore(std::vector{1, 5}), 81);
    // 1,2,3: T = luck(6) = 0.6, P = (luck 3 + luck 5) / 2 = 1, S = 2/3;
    // q = 0.3 + 0.3 + 0.1333 = 0.7333 -> 50 + 33 = 83.
    EXPECT_EQ(PatternScore(std::vector{1, 2, 3}), 83);
    // 1,2,3,5: T = luck(11) = 1, P = 1, S = 0.75; q = 0.95 -> 92.75 -> 93.
    EXPECT_EQ(PatternScore(std::vector{1, 2, 3, 5}), 93);
    // 30,30,30,1: total 91 reduces to 11 (T = 1); pairs 60, 60, 31 give
    // P = 1/3; singles 30 (0.6) x 3 and 1 give S = 0.7;
    // q = 0.5 + 0.1 + 0.14 = 0.74 -> 83.3 -> 83.
    EXPECT_EQ(PatternScore(std::vector{30, 30, 30, 1}), 83);
}

TEST(StrokePatterns, WeakPatternsAreDropped) {
    // Total 4 is in neither set: T = 0.
    EXPECT_FALSE(PatternScore(std::vector{2, 2}));
    // 2,4: T = luck(6) = 0.6 but S = 0, q = 0.48 < 0.6.
    EXPECT_FALSE(PatternScore(std::vector{2, 4}));
    // 30 x 4: total 120 reduces to 40, in neither set.
    EXPECT_FALSE(PatternScore(std::vector{30, 30, 30, 30}));
}

TEST(StrokePatterns, TableHoldsTheScoredPatterns) {
    auto zf = [](long long lx, long long a, long long b, long long c, long long d) {
        return Number(kParvelloFile,
                      "select zf from gz where lx = ? and bh11 = ? and bh12 = ? and bh21 = ? "
                      "and bh22 = ?",
                      {lx, a, b, c, d});
    };
    EXPECT_EQ(zf(2, 5, 6, 0, 0), 93);
    EXPECT_EQ(zf(2, 1, 5, 0, 0), 81);
    EXPECT_EQ(zf(2, 2, 4, 0, 0), -1);
    EXPECT_EQ(zf(3, 1, 2, 3, 0), 83);
    EXPECT_EQ(zf(4, 30, 30, 30, 1), 83);
    EXPECT_EQ(Number(kParvelloFile,
                     "select count(*) from gz where zf < 77 or zf > 95 or "
                     "(lx = 2 and (bh21 <> 0 or bh22 <> 0)) or (lx = 3 and bh22 <> 0)"),
              0);
}

// Draws from the pool joined to the patterns yield candidates on the real
// tables, for each length.
TEST(ParvelloTables, GenerationStatementsFindCandidates) {
    SeedRandom(20240601);
    struct Run {
        const char* sql;
        std::vector<SqlParam> keys;
    };
    const Run runs[] = {
        {sql::kGen2_1, {std::string(), std::string()}},
        {sql::kGen2_2, {std::string(), std::string(), std::string("九")}},
        {sql::kGen3_1, {std::string(), std::string()}},
        {sql::kGen4_1, {std::string(), std::string()}},
        {sql::kGen4_12,
         {std::string(), std::string(), std::string("九"), std::string("万"), std::string("珠")}},
    };
    for (const auto& run : runs) {
        QueryObject q(DbConnectionString(kParvelloFile), kGenerationTimeout);
        q.SetStatement(run.sql, run.keys);
        q.Open();
        ASSERT_GT(q.RecordCount(), 0) << run.sql;
        for (int row = 1; row <= std::min(q.RecordCount(), 50); ++row) {
            q.MoveTo(row);
            const long long fs = q.FieldInt("fs");
            EXPECT_GE(fs, 77);
            EXPECT_LE(fs, 95);
            EXPECT_FALSE(q.FieldText("zi").empty());
        }
    }
}

// Every number 0..80 has a reading, and its luck agrees with the two sets of
// lucky numbers (typed here as the results grid lists them).
TEST(NamefxTable, EveryNumberHasAReadingWithMatchingLuck) {
    const std::set<int> first = {0,  1,  3,  5,  7,  8,  11, 13, 15, 16, 18, 21, 23, 24, 25, 31,
                                 32, 33, 35, 37, 39, 41, 45, 47, 48, 52, 57, 61, 63, 65, 67, 68};
    const std::set<int> second = {6, 17, 26, 27, 29, 30, 38, 49, 51, 55, 58, 71, 73, 75};
    EXPECT_EQ(Number(kSomnetteFile, "select count(*) from namefx"), 81);
    for (int n = 0; n <= 80; ++n) {
        const std::string nr = Text(kSomnetteFile, sql::kNamefxReading, {std::to_string(n)});
        ASSERT_FALSE(nr.empty()) << n;
        if (n == 0) {
            EXPECT_NE(nr.find("没有在字库里找到"), std::string::npos);
            continue;
        }
        const auto open = nr.find("（"), close = nr.find("）");
        ASSERT_NE(open, std::string::npos) << n;
        const std::string luck = nr.substr(open + 3, close - open - 3);
        if (first.count(n)) {
            EXPECT_TRUE(luck == "大吉" || luck == "吉") << n << " " << luck;
        } else if (second.count(n)) {
            EXPECT_EQ(luck, "半吉") << n;
        } else {
            EXPECT_TRUE(luck == "凶" || luck == "大凶") << n << " " << luck;
        }
    }
    EXPECT_TRUE(Text(kSomnetteFile, sql::kNamefxReading, {std::string("05")}).empty());
}
