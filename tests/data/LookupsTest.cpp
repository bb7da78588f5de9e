#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "data/Database.h"
#include "data/Lookups.h"
#include "support/ScratchData.h"

using namespace quillora;
namespace fs = std::filesystem;

namespace {

// A scratch folder with small databases whose weights the test chooses; the
// data directory points there for the test.
class ScratchData : public ::testing::Test {
  protected:
    // Bone-weight tables holding one row each for year 2000, month 3, day 7,
    // hour 9 with the given weights, and readings for 4两3钱 and 4两.
    void MakeBoneTables(double y, double m, double d, double h) {
        dir_.MakeDatabase(
            "Somnette.dll",
            "create table chenggu1 (year text, weight real);"
            "create table chenggu2 (month2 text, weight real);"
            "create table chenggu3 (day2 text, weight real);"
            "create table chenggu4 (time text, weight real);"
            "create table chenggu (weight text, content text, content2 text);"
            "insert into chenggu1 values ('2000', " +
                std::to_string(y) + "); insert into chenggu2 values ('3', " + std::to_string(m) +
                "); insert into chenggu3 values ('7', " + std::to_string(d) +
                "); insert into chenggu4 values ('9', " + std::to_string(h) +
                ");"
                "insert into chenggu values ('43', ' 为人心性最聪明 ', ' 解释四两三钱 '),"
                "('40', '平生衣禄是绵长', '解释四两');");
    }
    const test::ScratchData dir_;
};

}  // namespace

TEST(ConstellationOf, SignChangesOnItsFirstDay) {
    const struct {
        int m, d;
        const char* sign;
    } cases[] = {
        {12, 22, "摩羯座"}, {12, 31, "摩羯座"}, {1, 1, "摩羯座"},   {1, 19, "摩羯座"},
        {1, 20, "水瓶座"},  {2, 18, "水瓶座"},  {2, 19, "双鱼座"},  {2, 29, "双鱼座"},
        {3, 20, "双鱼座"},  {3, 21, "白羊座"},  {4, 20, "白羊座"},  {4, 21, "金牛座 "},
        {5, 20, "金牛座 "}, {5, 21, "双子座"},  {6, 21, "双子座"},  {6, 22, "巨蟹座"},
        {7, 22, "巨蟹座"},  {7, 23, "狮子座"},  {8, 22, "狮子座"},  {8, 23, "处女座"},
        {9, 22, "处女座"},  {9, 23, "天秤座"},  {10, 22, "天秤座"}, {10, 23, "天蝎座"},
        {11, 21, "天蝎座"}, {11, 22, "射手座"}, {12, 21, "射手座"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ConstellationOf(EncodeDate(2024, c.m, c.d)), c.sign) << c.m << "-" << c.d;
    }
}

TEST(ConstellationOf, TimeOfDayKeepsTheSign) {
    // The last day of a range with a time of day still belongs to its sign.
    EXPECT_EQ(ConstellationOf(EncodeDateTime(1990, 12, 21, 18, 30, 0)), "射手座");
    EXPECT_EQ(ConstellationOf(EncodeDateTime(1990, 5, 20, 23, 59, 0)), "金牛座 ");
    EXPECT_EQ(ConstellationOf(EncodeDateTime(1990, 12, 31, 12, 0, 0)), "摩羯座");
}

TEST(ElementCountText, CountsTheEightFixedPlaces) {
    EXPECT_EQ(ElementCountText("金木   水火   土土   木金"),
              "金:占2个, 木:占2个, 水:占1个, 火:占1个, 土:占2个");
    EXPECT_EQ(ElementCountText(""), "金:占0个, 木:占0个, 水:占0个, 火:占0个, 土:占0个");
    EXPECT_EQ(ElementCountText("火火   火火   火火   火火"),
              "金:占0个, 木:占0个, 水:占0个, 火:占8个, 土:占0个");
    // Characters other than the five elements count for none.
    EXPECT_EQ(ElementCountText("金甲   水火   土X    木金"),
              "金:占2个, 木:占1个, 水:占1个, 火:占1个, 土:占1个");
}

TEST(ElementCountText, AMissingElementShiftsTheRest) {
    // The year branch's element is missing: the month's 水 now starts at
    // byte 6 and is missed, 火 lands on byte 8, the day's second 土 on 15,
    // the hour's 金 on 22, and byte 24 lies past the end.
    EXPECT_EQ(ElementCountText("金   水火   土土   木金"),
              "金:占2个, 木:占0个, 水:占0个, 火:占1个, 土:占1个");
    // A trailing piece beyond byte 25 is never read.
    EXPECT_EQ(ElementCountText("金木   水火   土土   木金金金"),
              "金:占2个, 木:占2个, 水:占1个, 火:占1个, 土:占2个");
    // A leading blank moves the year's elements: byte 1 is the blank and
    // byte 3 the second half of 金, so neither counts; the rest fall in place.
    EXPECT_EQ(ElementCountText(" 金木  水火   土土   木金"),
              "金:占1个, 木:占1个, 水:占1个, 火:占1个, 土:占2个");
}

TEST(BoneWeightKey, LiangDigitThenQianDigit) {
    EXPECT_EQ(BoneWeightKey(4.3), "43");
    EXPECT_EQ(BoneWeightKey(1.2 + 0.5 + 1.0 + 1.6), "43");  // sums to 4.300000000000001
    EXPECT_EQ(BoneWeightKey(4.0), "40");
    EXPECT_EQ(BoneWeightKey(5), "50");
    EXPECT_EQ(BoneWeightKey(0.6 + 0.7 + 0.5 + 0.6), "24");
    EXPECT_EQ(BoneWeightKey(0), "00");
    // Ten liang and more has no key of its own: the separator takes the
    // qian digit's place.
    EXPECT_EQ(BoneWeightKey(10.5), "1.");
}

TEST_F(ScratchData, BoneWeightLinesOfTheFourWeights) {
    MakeBoneTables(1.2, 0.5, 1.0, 1.6);
    EXPECT_EQ(BoneWeightLine("2000", "3", "7", "9", 0), "你的骨重为：4两3钱");
    EXPECT_EQ(BoneWeightLine("2000", "3", "7", "9", 1), "骨重诗评：为人心性最聪明");
    EXPECT_EQ(BoneWeightLine("2000", "3", "7", "9", 2), "骨重解评：解释四两三钱");
    EXPECT_EQ(BoneWeightLine("2000", "3", "7", "9", 3), "");
    EXPECT_EQ(BoneWeightLine("2000", "3", "7", "9", -1), "");
}

TEST_F(ScratchData, BoneWeightOfWholeLiangHasNoQian) {
    MakeBoneTables(1.2, 0.8, 1.0, 1.0);
    EXPECT_EQ(BoneWeightLine("2000", "3", "7", "9", 0), "你的骨重为：4两");
    EXPECT_EQ(BoneWeightLine("2000", "3", "7", "9", 1), "骨重诗评：平生衣禄是绵长");
}

TEST_F(ScratchData, MissingRowsAddNothingAndAWeightWithoutReadingGivesEmptyLines) {
    MakeBoneTables(1.2, 0.5, 1.0, 1.6);
    // Hour 10 has no row: 2.7 has no reading, so all three lines are empty.
    for (int mode = 0; mode < 3; ++mode) {
        EXPECT_EQ(BoneWeightLine("2000", "3", "7", "10", mode), "") << mode;
    }
    // Keys are compared as texts: "03" is not month 3.
    EXPECT_EQ(BoneWeightLine("2000", "03", "7", "9", 0), "");
    // An apostrophe in a key finds nothing and breaks nothing.
    EXPECT_EQ(BoneWeightLine("2000'", "3", "7", "9", 0), "");
}

TEST_F(ScratchData, BoneWeightTableThatFailsIsReportedNamingTheFile) {
    // No Somnette.dll at all.
    try {
        BoneWeightLine("2000", "3", "7", "9", 0);
        FAIL() << "no error reported";
    } catch (const DbError& e) {
        EXPECT_NE(std::string(e.what()).find("Somnette.dll"), std::string::npos) << e.what();
    }
    // A file without the reading table.
    dir_.MakeDatabase("Somnette.dll",
                      "create table chenggu1 (year text, weight real);"
                      "create table chenggu2 (month2 text, weight real);"
                      "create table chenggu3 (day2 text, weight real);"
                      "create table chenggu4 (time text, weight real);");
    try {
        BoneWeightLine("2000", "3", "7", "9", 1);
        FAIL() << "no error reported";
    } catch (const DbError& e) {
        const std::string what = e.what();
        EXPECT_NE(what.find("Somnette.dll"), std::string::npos) << what;
        EXPECT_NE(what.find("chenggu"), std::string::npos) << what;
    }
}

TEST_F(ScratchData, GantrelLookupsReportAMissingOrDamagedFile) {
    // A missing file, a file without the tables and one that is no database
    // are reported naming the file: an empty answer would read as "no element".
    const auto expectReported = [](const char* what) {
        for (int lookup = 0; lookup < 3; ++lookup) {
            try {
                if (lookup == 0)
                    CharElementOf("甲");
                else if (lookup == 1)
                    TenGodOf("甲乙");
                else
                    SoundElementOf("甲子");
                ADD_FAILURE() << what << ": lookup " << lookup << " reported nothing";
            } catch (const DbError& e) {
                EXPECT_NE(std::string(e.what()).find("Gantrel.dll"), std::string::npos)
                    << what << ": " << e.what();
            }
        }
        EXPECT_FALSE(GantrelFileIsSound()) << what;
    };
    expectReported("missing");
    dir_.MakeDatabase("Gantrel.dll", "create table other (x text);");
    expectReported("no tables");
    fs::resize_file(dir_ / "Gantrel.dll", 0);
    expectReported("empty");
    {
        std::FILE* f = std::fopen((dir_ / "Gantrel.dll").c_str(), "wb");
        ASSERT_NE(f, nullptr);
        for (int i = 0; i < 4096; ++i)
            std::fputc((i * 131 + 7) & 255, f);
        std::fclose(f);
    }
    expectReported("garbage");
}

TEST_F(ScratchData, GantrelLookupsAnswerEmptyWhenNothingIsFound) {
    dir_.MakeDatabase("Gantrel.dll",
                      "create table hzwh (hz text, wh text);"
                      "create table Shishen (jiazi text, ShiShen text);"
                      "create table jiazi (jiazi text, layin text);"
                      "create table JQ (YearA integer, JQ text, SJ text);"
                      "insert into hzwh values ('甲乙寅卯', ' 木 '), ('%_', '火');"
                      "insert into Shishen values ('甲乙', '劫财 ');"
                      "insert into jiazi values ('甲子', '海中金');");
    EXPECT_EQ(CharElementOf(" 寅 "), "木");  // trimmed key, trimmed value
    EXPECT_EQ(CharElementOf("丙"), "");
    EXPECT_EQ(CharElementOf("_"), "火");  // no wildcard meaning: only the row that holds it
    EXPECT_EQ(TenGodOf("甲乙"), "劫财");
    EXPECT_EQ(TenGodOf("乙甲"), "");
    EXPECT_EQ(TenGodOf("甲'"), "");
    EXPECT_EQ(SoundElementOf("甲子"), "海中金");
    EXPECT_EQ(SoundElementOf("甲丑"), "");
}
