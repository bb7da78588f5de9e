// The checks beside a name's numerology, on the real tables: its classical
// source (known lines of each collection, looked up by the characters) and
// its registration warnings (one name per kind of problem, the words chosen
// from the law's own examples and well-known facts, not from the tables).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/Database.h"
#include "data/QueryObject.h"
#include "naming/Registration.h"
#include "naming/Verse.h"

using namespace quillora;

namespace {

class MarkChecksTest : public ::testing::Test {
  protected:
    QueryObject names{DbConnectionString(kParvelloFile), kCharLookupTimeout};
    const MarkWords words{names};

    // Checked both ways, which must agree: by the statement over the whole
    // mark, and with the listed words found in memory (grid pages, batches).
    RegistrationCheck Check(const std::string& mainName, const std::string& suffix = "") {
        const BrandName name{"", mainName, suffix};
        RegistrationCheck check = CheckRegistration(names, name);
        const RegistrationCheck quick =
            CheckRegistration(names, words, name, TradeClassOf(names, suffix));
        EXPECT_EQ(RegistrationLines(quick), RegistrationLines(check)) << mainName;
        return check;
    }
    // The found words with their labels, as the grid shows them.
    std::string Cell(const std::string& mainName, const std::string& suffix = "") {
        return RegistrationCell(Check(mainName, suffix));
    }
};

struct KnownVerse {
    const char* pair;
    const char* citation;
};

}  // namespace

// Famous lines of each collection are found from two of their characters in
// reading order, cited with author and title, or with the collection for the
// anonymous ones.
TEST_F(MarkChecksTest, KnownLinesAreFoundFromTwoCharactersInOrder) {
    const KnownVerse cases[] = {
        {"关雎", "关关雎鸠，在河之洲。——《诗经·周南·关雎》"},
        {"淑女", "窈窕淑女，君子好逑。——《诗经·周南·关雎》"},
        {"窈窕", "窈窕淑女，君子好逑。——《诗经·周南·关雎》"},
        {"修远", "路漫漫其修远兮，吾将上下而求索。——屈原《离骚》"},
        {"时习", "子曰：学而时习之，不亦说乎？——《论语·学而》"},
        {"把酒", "开筵面场圃，把酒话桑麻。——孟浩然《过故人庄》"},
        {"阑珊", "蓦然回首，那人却在，灯火阑珊处。——辛弃疾《青玉案》"},
    };
    for (const KnownVerse& c : cases) {
        const std::vector<std::string> chars = {std::string(c.pair, 3), std::string(c.pair + 3)};
        const std::optional<VerseLine> verse = VerseOfPair(names, chars[0], chars[1]);
        ASSERT_TRUE(verse.has_value()) << c.pair;
        EXPECT_EQ(VerseCitation(*verse), c.citation) << c.pair;
    }
    // Side by side beats apart: 关关雎鸠 holds 关 and 鸠 apart.
    EXPECT_EQ(VerseOfPair(names, "关", "雎")->gap, 0);
    // Two characters that share no line have no source.
    EXPECT_FALSE(VerseOfPair(names, "犇", "骉").has_value());
}

// A longer name is looked up by its two-character parts, halves first; the
// grid cell names the part when it is not the whole name.
TEST_F(MarkChecksTest, LongerNamesAreLookedUpByTheirParts) {
    EXPECT_EQ(NameParts("关雎"), (std::vector<std::string>{"关雎"}));
    EXPECT_EQ(NameParts("天关雎"), (std::vector<std::string>{"天关", "关雎"}));
    EXPECT_EQ(NameParts("窈窕淑女"), (std::vector<std::string>{"窈窕", "淑女", "窕淑"}));
    EXPECT_TRUE(NameParts("关").empty());

    const std::vector<NameVerse> four = NameVerses(names, "窈窕淑女");
    ASSERT_GE(four.size(), 2u);
    EXPECT_EQ(four[0].part, "窈窕");
    EXPECT_EQ(four[1].part, "淑女");
    EXPECT_EQ(VerseCell(four, "窈窕淑女"), "窈窕：窈窕淑女，君子好逑。——《诗经·周南·关雎》");
    EXPECT_EQ(VerseCell(NameVerses(names, "关雎"), "关雎"),
              "关关雎鸠，在河之洲。——《诗经·周南·关雎》");
    EXPECT_EQ(VerseCell(NameVerses(names, "犇骉"), "犇骉"), "");
    EXPECT_EQ(VerseLines({}).size(), 1u);
}

// One name per kind of problem; a word inside a longer listed word is
// reported once, as the longer word.
TEST_F(MarkChecksTest, EachKindOfProblemIsFlaggedWithItsReason) {
    EXPECT_EQ(Cell("中华人民共和国"), "中华人民共和国（国名）");
    EXPECT_EQ(Cell("红十字"), "红十字（红十字）");
    EXPECT_EQ(Cell("最美"), "最（最高级）");
    EXPECT_EQ(Cell("顶级鲜"), "顶级（最高级）");
    EXPECT_EQ(Cell("茅台"), "茅台（知名商标）");
    EXPECT_EQ(Cell("海淀"), "海淀（行政区划）");

    const RegistrationCheck place = Check("杭州");
    ASSERT_EQ(place.warnings.size(), 1u);
    EXPECT_EQ(place.warnings[0].list, MarkList::Division);
    EXPECT_NE(place.warnings[0].text.find("浙江省杭州市"), std::string::npos);
    EXPECT_NE(place.warnings[0].text.find("商标法第十条第二款"), std::string::npos);
    // A name several divisions share names a few and counts the rest.
    const RegistrationCheck shared = Check("朝阳");
    ASSERT_EQ(shared.warnings.size(), 1u);
    EXPECT_NE(shared.warnings[0].text.find("北京市朝阳区"), std::string::npos);
    EXPECT_NE(shared.warnings[0].text.find("等"), std::string::npos);

    // Several problems in one name are each reported.
    EXPECT_EQ(Cell("中国最"), "中国（国名）；最（最高级）");
}

// A well-known mark that is also a plain word counts only as the whole main
// name or with a trade word after it; a distinctive mark counts anywhere.
TEST_F(MarkChecksTest, CommonWordMarksCountOnlyAsTheWholeName) {
    EXPECT_EQ(Cell("熊猫"), "熊猫（知名商标）");
    EXPECT_EQ(Cell("熊猫电器"), "熊猫（知名商标）");
    EXPECT_EQ(Cell("小熊猫"), "");
    EXPECT_EQ(Cell("新茅台"), "茅台（知名商标）");
}

// The suffix decides the trade: its Nice class and the generic words a main
// name must not merely repeat; organisational words are not part of it.
TEST_F(MarkChecksTest, TheSuffixGivesTheClassAndItsGenericWords) {
    EXPECT_EQ(TradeSuffixOf(" 九万珠宝有限公司 "), "九万珠宝");
    EXPECT_EQ(TradeSuffixOf("珠宝集团股份有限公司"), "珠宝");

    const std::optional<TradeClass> jewels = TradeClassOf(names, "珠宝有限公司");
    ASSERT_TRUE(jewels.has_value());
    EXPECT_EQ(TradeClassText(*jewels), "第14类 珠宝钟表");
    EXPECT_EQ(TradeClassText(*TradeClassOf(names, "化妆品")), "第3类 日化用品");
    EXPECT_EQ(TradeClassText(*TradeClassOf(names, "餐饮管理")), "第43类 餐饮住宿");
    EXPECT_FALSE(TradeClassOf(names, "").has_value());

    EXPECT_EQ(Cell("钻石", "珠宝"), "钻石（通用名称）");
    EXPECT_EQ(Cell("钻石", "化妆品"), "");  // not a good of that trade

    const std::vector<std::string> clean = RegistrationLines(Check("九万", "珠宝"));
    ASSERT_EQ(clean.size(), 4u);
    EXPECT_EQ(clean[0], "【注册提示】：");
    EXPECT_EQ(clean[2],
              "行业类别：第14类 珠宝钟表（按行业后缀“珠宝”），常需一并申请第35类 广告销售");
    EXPECT_EQ(clean[3], kRegistrationDisclaimer);
    const std::vector<std::string> unknownTrade = RegistrationLines(Check("九万", "星际旅行"));
    EXPECT_NE(unknownTrade[2].find("请自行确定尼斯分类"), std::string::npos);
}
