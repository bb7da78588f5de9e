#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "almanac/AlmanacGlossary.h"
#include "almanac/AlmanacLookup.h"
#include "almanac/AuspiciousDays.h"
#include "data/Database.h"
#include "data/QueryObject.h"
#include "support/ScratchData.h"

using namespace quillora;
namespace fs = std::filesystem;

namespace {

AlmanacCheck Check(const char* y, const char* m, const char* d) {
    return CheckAlmanacInput({y, m, d});
}

// A scratch folder with its own "Somnette.dll" holding a few almanac rows;
// the values carry stray blanks and tabs the report must trim away.
class AlmanacLookupTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_.MakeDatabase(kSomnetteFile,
                          "create table huangdao (gn text not null, nn text, suici text, "
                          "tszf text, wuhang text, cong text, pzbj text, jsyq text, yi text, "
                          "xsyq text, ji text);"
                          "insert into huangdao values ('2010-05-07', ' 农历三月廿四\t', "
                          "'庚寅年 辛巳月 丙子日', '碓磨门外东南 ', ' 涧下水 执日', "
                          "'冲马(庚午)煞南', '丙不修灶 子不问卜', '天恩 母仓', "
                          "'祭祀 祈福  ', '五虚 土符', '  开市 动土');"
                          "insert into huangdao values ('2012-02-29', '农历二月初八', "
                          "'壬辰年 壬寅月 丁亥日', 'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h');");
    }
    const test::ScratchData dir_;
};

}  // namespace

TEST(AlmanacCheckTest, BoxesAreExaminedInTheOrderYearMonthDay) {
    struct Case {
        const char *y, *m, *d, *message;
        AlmanacBox box;
    };
    const Case cases[] = {
        {"", "05", "07", kAlmanacNoYear, AlmanacBox::Year},
        {" \t", "05", "07", kAlmanacNoYear, AlmanacBox::Year},
        {"", "", "", kAlmanacNoYear, AlmanacBox::Year},
        {"2010", "", "", kAlmanacNoMonth, AlmanacBox::Month},
        {"2010", "  ", "07", kAlmanacNoMonth, AlmanacBox::Month},
        {"2010", "05", "", kAlmanacNoDay, AlmanacBox::Day},
        // An empty day is reported before the impossible month is noticed.
        {"2010", "13", "", kAlmanacNoDay, AlmanacBox::Day},
    };
    for (const Case& c : cases) {
        const AlmanacCheck r = Check(c.y, c.m, c.d);
        EXPECT_FALSE(r.ok) << c.y << "|" << c.m << "|" << c.d;
        EXPECT_EQ(r.message, c.message) << c.y << "|" << c.m << "|" << c.d;
        EXPECT_EQ(r.box, c.box) << c.y << "|" << c.m << "|" << c.d;
    }
}

TEST(AlmanacCheckTest, DatesTheCalendarLacksAreRefused) {
    const char* bad[][3] = {
        {"2009", "02", "30"},  {"2100", "02", "29"}, {"1900", "2", "29"},  {"2010", "13", "01"},
        {"2010", "00", "01"},  {"2010", "04", "31"}, {"2010", "05", "0"},  {"abc", "05", "07"},
        {"2010", "5月", "07"}, {"2010", "05", "7x"}, {"2010", "-5", "07"}, {"2010", "005", "07"},
    };
    for (const auto& b : bad) {
        const AlmanacCheck r = Check(b[0], b[1], b[2]);
        EXPECT_FALSE(r.ok) << b[0] << "-" << b[1] << "-" << b[2];
        EXPECT_EQ(r.message, kAlmanacBadDate) << b[0] << "-" << b[1] << "-" << b[2];
    }
    // Real days outside the table's years say which days there are.
    const char* outside[][3] = {{"1900", "12", "31"}, {"2101", "01", "01"}, {"0210", "5", "07"}};
    for (const auto& o : outside) {
        const AlmanacCheck r = Check(o[0], o[1], o[2]);
        EXPECT_FALSE(r.ok) << o[0];
        EXPECT_EQ(r.message, kAlmanacOutOfRange) << o[0];
        EXPECT_EQ(r.box, AlmanacBox::Year) << o[0];
    }
}

TEST(AlmanacCheckTest, ValidDatesYieldTheTableKey) {
    const char* good[][4] = {
        {"2012", "02", "29", "2012-02-29"},        {"2000", "2", "29", "2000-02-29"},
        {"2010", "5", "07", "2010-05-07"},         {"2010", "05", "7", "2010-05-07"},
        {" 2010 ", " 05\t", " 07 ", "2010-05-07"}, {"1901", "1", "1", "1901-01-01"},
        {"2100", "12", "31", "2100-12-31"},        {"2030", "06", "15", "2030-06-15"},
    };
    for (const auto& g : good) {
        const AlmanacCheck r = Check(g[0], g[1], g[2]);
        ASSERT_TRUE(r.ok) << g[3] << ": " << r.message;
        EXPECT_EQ(r.key, g[3]);
    }
}

TEST_F(AlmanacLookupTest, ARowGivesNineteenTrimmedLines) {
    QueryObject query(DbConnectionString(kSomnetteFile), kDefaultTimeout);
    const AlmanacOutcome out = LookupAlmanac(query, {"2010", "05", "07"});
    ASSERT_EQ(out.kind, AlmanacOutcome::Kind::Found);
    const std::vector<std::string> expected = {
        "当日统览:2010-05-07  农历三月廿四",
        "",
        "岁次:庚寅年 辛巳月 丙子日",
        "",
        "每日胎神占方:碓磨门外东南",
        "",
        "五行:涧下水 执日",
        "",
        "冲:冲马(庚午)煞南",
        "",
        "彭祖百忌:丙不修灶 子不问卜",
        "",
        "吉神宜趋:天恩 母仓",
        "",
        "宜:祭祀 祈福",
        "",
        "凶神宜忌:五虚 土符",
        "",
        "忌:开市 动土",
    };
    EXPECT_EQ(out.lines, expected);
    EXPECT_EQ(static_cast<int>(out.lines.size()), kAlmanacReportLines);
    EXPECT_FALSE(query.IsOpen());
}

TEST_F(AlmanacLookupTest, TypedMonthWithoutZeroFindsTheSameDay) {
    QueryObject query(DbConnectionString(kSomnetteFile), kDefaultTimeout);
    const AlmanacOutcome padded = LookupAlmanac(query, {"2010", "05", "07"});
    const AlmanacOutcome typed = LookupAlmanac(query, {"2010", "5", "7"});
    ASSERT_EQ(typed.kind, AlmanacOutcome::Kind::Found);
    EXPECT_EQ(typed.lines, padded.lines);

    const AlmanacOutcome leap = LookupAlmanac(query, {"2012", "2", "29"});
    ASSERT_EQ(leap.kind, AlmanacOutcome::Kind::Found);
    EXPECT_EQ(leap.lines.front(), "当日统览:2012-02-29  农历二月初八");
    EXPECT_EQ(leap.lines.back(), "忌:h");
}

TEST_F(AlmanacLookupTest, ADayWithoutRowGivesNoEntryAndNoMessage) {
    QueryObject query(DbConnectionString(kSomnetteFile), kDefaultTimeout);
    const AlmanacOutcome out = LookupAlmanac(query, {"2030", "06", "15"});
    EXPECT_EQ(out.kind, AlmanacOutcome::Kind::NoEntry);
    EXPECT_TRUE(out.lines.empty());
    EXPECT_TRUE(out.check.message.empty());
}

TEST_F(AlmanacLookupTest, FailedChecksRunNoStatement) {
    // The query points at a file that does not exist: any statement would
    // throw, so a clean rejection proves none ran.
    QueryObject query(DbConnectionString("NoSuchFile.dll"), kDefaultTimeout);
    for (const AlmanacInput& in : {AlmanacInput{"2009", "02", "30"}, AlmanacInput{"", "05", "07"},
                                   AlmanacInput{"2010", "5", ""}}) {
        AlmanacOutcome out;
        EXPECT_NO_THROW(out = LookupAlmanac(query, in));
        EXPECT_EQ(out.kind, AlmanacOutcome::Kind::Rejected);
        EXPECT_TRUE(query.Statement().empty());
    }
}

TEST_F(AlmanacLookupTest, AMissingDatabaseIsAnErrorNamingTheFile) {
    fs::remove(dir_ / kSomnetteFile);
    QueryObject query(DbConnectionString(kSomnetteFile), kDefaultTimeout);
    try {
        LookupAlmanac(query, {"2010", "05", "07"});
        FAIL() << "a missing database must be reported";
    } catch (const DbError& e) {
        EXPECT_NE(std::string(e.what()).find(kSomnetteFile), std::string::npos) << e.what();
    }
}

TEST(AlmanacGlossaryTest, ThirtyFourLinesExplainTheThirtyTwoTermsInOrder) {
    const auto& lines = AlmanacGlossaryLines();
    const auto& terms = AlmanacGlossaryTerms();
    ASSERT_EQ(lines.size(), 34u);
    ASSERT_EQ(terms.size(), 32u);
    const std::string sep = " ：";
    std::size_t line = 0;
    for (const std::string& term : terms) {
        ASSERT_LT(line, lines.size());
        EXPECT_EQ(lines[line].rfind(term + sep, 0), 0u) << lines[line];
        EXPECT_GT(lines[line].size(), term.size() + sep.size()) << term << " has no explanation";
        ++line;
        if (term == "破土") {
            // Two continuation lines that start no new term.
            for (int k = 0; k < 2; ++k, ++line) {
                EXPECT_EQ(lines[line].find(sep), std::string::npos) << lines[line];
                EXPECT_FALSE(lines[line].empty());
            }
        }
    }
    EXPECT_EQ(line, lines.size());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "安门 ：放置正门门框 "), lines.end());

    // Every explained term is spelt as the almanac entries spell it (立券,
    // not 立卷): each occurs as a whole word in the favoured or avoided
    // activities of the committed almanac source.
    std::ifstream yiji(std::string(QUILLORA_SOURCE_DIR) + "/refdata/almanac/yiji.tsv");
    ASSERT_TRUE(yiji) << "refdata/almanac/yiji.tsv";
    std::set<std::string> activities;
    for (std::string row; std::getline(yiji, row);) {
        std::replace(row.begin(), row.end(), '\t', ' ');
        std::istringstream words(row);
        for (std::string w; words >> w;)
            activities.insert(w);
    }
    for (const std::string& term : terms)
        EXPECT_TRUE(activities.count(term)) << term << " does not occur in the almanac entries";
}

TEST(AuspiciousDaysTest, TheRangeAndActivityAreCheckedInOrder) {
    const struct {
        const char *activity, *from, *to, *message;
        AuspiciousBox box;
    } refused[] = {
        {" ", "2024-03-01", "2024-03-31", kAuspiciousNoActivity, AuspiciousBox::Activity},
        {"签约", "2024-03-01", "2024-03-31", kAuspiciousUnknownActivity, AuspiciousBox::Activity},
        {"开市", "2024-02-30", "2024-03-31", kAuspiciousBadFrom, AuspiciousBox::From},
        {"开市", "2024-03-01", "", kAuspiciousBadTo, AuspiciousBox::To},
        {"开市", "2024-03-02", "2024-03-01", kAuspiciousOrder, AuspiciousBox::To},
        {"开市", "2024-01-01", "2025-01-01", kAuspiciousTooLong, AuspiciousBox::To},
        {"开市", "1900-12-31", "1901-01-31", kAuspiciousOutOfTable, AuspiciousBox::From},
    };
    for (const auto& r : refused) {
        const AuspiciousCheck c = CheckAuspiciousInput({r.activity, r.from, r.to});
        EXPECT_FALSE(c.ok) << r.activity << r.from << r.to;
        EXPECT_EQ(c.message, r.message) << r.activity << r.from << r.to;
        EXPECT_EQ(c.box, r.box) << r.message;
    }
    // A whole leap year is the longest range; one day is the shortest.
    const AuspiciousCheck year = CheckAuspiciousInput({" 立券 ", "2024-1-1", "2024-12-31"});
    ASSERT_TRUE(year.ok) << year.message;
    EXPECT_EQ(year.activity, "立券");
    EXPECT_EQ(FormatDate(year.to), "2024-12-31");
    EXPECT_TRUE(CheckAuspiciousInput({"开市", "2100-12-31", "2100-12-31"}).ok);
}

// The opening days of a month are exactly the days whose entry, read one day
// at a time as the almanac page reads it, lists 开市 under 宜 and neither
// 开市 nor 诸事不宜 under 忌. A person born in a 午 year is marked on the days
// whose entry says 冲马.
TEST(AuspiciousDaysTest, OpeningDaysOfAMonthAgreeWithTheAlmanacRows) {
    // The terms of the report line that starts with the label.
    const auto terms = [](const std::vector<std::string>& lines, const std::string& label) {
        std::vector<std::string> out;
        const auto line = std::find_if(lines.begin(), lines.end(), [&](const std::string& l) {
            return l.rfind(label, 0) == 0;
        });
        std::string rest = line == lines.end() ? "" : line->substr(label.size()) + " ";
        for (std::size_t b; (b = rest.find(' ')) != std::string::npos; rest.erase(0, b + 1)) {
            if (b > 0)
                out.push_back(rest.substr(0, b));
        }
        return out;
    };
    QueryObject almanac(DbConnectionString(kSomnetteFile), kDefaultTimeout);
    std::vector<std::string> expected;
    for (int day = 1; day <= 31; ++day) {
        const AlmanacOutcome entry = LookupAlmanac(almanac, {"2024", "3", std::to_string(day)});
        ASSERT_EQ(entry.kind, AlmanacOutcome::Kind::Found) << day;
        const auto yi = terms(entry.lines, "宜:");
        const auto ji = terms(entry.lines, "忌:");
        const auto has = [](const std::vector<std::string>& list, const char* term) {
            return std::find(list.begin(), list.end(), term) != list.end();
        };
        if (has(yi, "开市") && !has(ji, "开市") && !has(ji, "诸事不宜"))
            expected.push_back(entry.check.key);
    }
    const AuspiciousCheck march = CheckAuspiciousInput({"开市", "2024-03-01", "2024-03-31"});
    const std::vector<AuspiciousDay> days =
        FindAuspiciousDays(almanac, "开市", march.from, march.to, 6);
    std::vector<std::string> found;
    int marked = 0;
    for (const AuspiciousDay& d : days) {
        found.push_back(d.date);
        EXPECT_EQ(d.clashesPerson, d.clash.rfind("冲马", 0) == 0) << d.date << d.clash;
        marked += d.clashesPerson ? 1 : 0;
    }
    EXPECT_EQ(found, expected);
    EXPECT_GE(found.size(), 4u);
    // 2024-03-01 is a 甲子 day: it clashes with 午, the horse.
    ASSERT_FALSE(days.empty());
    EXPECT_EQ(days[0].date, "2024-03-01");
    EXPECT_EQ(days[0].pillars, "甲辰年 丙寅月 甲子日");
    EXPECT_TRUE(days[0].clashesPerson);
    EXPECT_EQ(AuspiciousCells(days[0], 6).back(), "冲马（不宜）");
    EXPECT_EQ(AuspiciousSummary(march, days, 6),
              "2024-03-01至2024-03-31宜开市的日子共" + std::to_string(days.size()) + "天，其中" +
                  std::to_string(marked) + "天冲法人生肖（马）。");
    EXPECT_EQ(AuspiciousCells(days[0], std::nullopt).back(), "");
}
