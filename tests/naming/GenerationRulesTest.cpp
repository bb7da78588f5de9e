// The rules of a generation run that need no database: which statement a
// length and the filled fixed fields choose, the fixed-character messages,
// the element filter and its wrapping.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "bazi/ChartSummary.h"
#include "naming/Generation.h"

using namespace quillora;

namespace {

// The catalogue as the generation page documents it: length, the fixed
// positions written as digits, and the statement (or the message when every
// position is fixed).
const std::map<std::pair<int, std::string>, std::string> kExpectedChoice = {
    {{2, ""}, "G2-1"},     {{2, "1"}, "G2-2"},
    {{2, "2"}, "G2-3"},    {{2, "12"}, "二字名不能同时固定两个字！"},
    {{3, ""}, "G3-1"},     {{3, "1"}, "G3-2"},
    {{3, "2"}, "G3-3"},    {{3, "3"}, "G3-4"},
    {{3, "12"}, "G3-5"},   {{3, "13"}, "G3-6"},
    {{3, "23"}, "G3-7"},   {{3, "123"}, "三字名不能同时固定三个字！"},
    {{4, ""}, "G4-1"},     {{4, "1"}, "G4-2"},
    {{4, "2"}, "G4-3"},    {{4, "3"}, "G4-4"},
    {{4, "4"}, "G4-5"},    {{4, "12"}, "G4-6"},
    {{4, "13"}, "G4-7"},   {{4, "14"}, "G4-8"},
    {{4, "23"}, "G4-9"},   {{4, "34"}, "G4-10"},
    {{4, "24"}, "G4-11"},  {{4, "123"}, "G4-12"},
    {{4, "124"}, "G4-13"}, {{4, "134"}, "G4-14"},
    {{4, "234"}, "G4-15"}, {{4, "1234"}, "四字名不能同时固定四个字！"},
};

const char* const kChars[4] = {"九", "万", "珠", "宝"};

}  // namespace

// Every length with every combination of the four fields, including fields
// beyond the length (which a run does not read) and fields holding blanks
// only (which count as empty).
TEST(GenerationRules, StatementChoiceForEveryCombination) {
    for (int length = 2; length <= 4; ++length) {
        for (unsigned mask = 0; mask < 16; ++mask) {
            for (const bool blanksForEmpty : {false, true}) {
                FixedFields fixed;
                std::string readDigits;
                for (int i = 0; i < 4; ++i) {
                    if ((mask & (1u << i)) != 0) {
                        fixed[i] = " " + std::string(kChars[i]) + " ";
                        if (i < length)
                            readDigits += static_cast<char>('1' + i);
                    } else if (blanksForEmpty) {
                        fixed[i] = "  ";
                    }
                }
                // Two characters: a filled first field decides alone.
                std::string key = readDigits;
                const std::string expected = kExpectedChoice.at({length, key});
                SCOPED_TRACE("length " + std::to_string(length) + " fields " +
                             std::to_string(mask));
                const auto message = FixedCharacterMessage(length, fixed);
                if (expected.rfind("G", 0) == 0) {
                    EXPECT_FALSE(message.has_value());
                    const GenerationStatement& s = ChooseGenerationStatement(length, fixed);
                    EXPECT_EQ(s.label, expected);
                    // The keys are the excluded and the preferred characters,
                    // then the trimmed fixed characters in position order.
                    const auto keys = GenerationKeys(s, fixed, "土", "金");
                    ASSERT_EQ(keys.size(), readDigits.size() + 2);
                    EXPECT_EQ(std::get<std::string>(keys[0]), "土");
                    EXPECT_EQ(std::get<std::string>(keys[1]), "金");
                    for (std::size_t k = 0; k < readDigits.size(); ++k) {
                        EXPECT_EQ(std::get<std::string>(keys[k + 2]), kChars[readDigits[k] - '1']);
                    }
                } else {
                    ASSERT_TRUE(message.has_value());
                    EXPECT_EQ(*message, expected);
                    EXPECT_THROW(ChooseGenerationStatement(length, fixed), std::invalid_argument);
                }
            }
        }
    }
    EXPECT_THROW(FixedCharacterMessage(5, FixedFields{}), std::invalid_argument);
}

// The shape of each statement against the documented samples and limits:
// how many positions draw from a CYZI sample of which size, how many come from
// one word row, the row limit, and one bound key per fixed position.
TEST(GenerationRules, StatementsKeepTheirSamplesJoinsAndLimits) {
    struct Shape {
        const char* label;
        int samples;
        int sampleSize;
        int fixedRows;  // "word ... limit 1" sources (four characters) or word joins
        const char* limit;
    };
    const Shape kShapes[] = {
        {"G2-1", 2, 230, 0, "limit 50000"},
        {"G2-2", 0, 0, 1, nullptr},
        {"G2-3", 0, 0, 1, nullptr},
        {"G3-1", 3, 50, 0, "limit 50000"},
        {"G3-2", 2, 200, 1, nullptr},
        {"G3-3", 2, 200, 1, nullptr},
        {"G3-4", 2, 200, 1, nullptr},
        {"G3-5", 0, 0, 2, nullptr},
        {"G3-6", 0, 0, 2, nullptr},
        {"G3-7", 0, 0, 2, nullptr},
        {"G4-1", 0, 0, 0, "limit 100000"},
        {"G4-2", 3, 50, 1, "limit 100000"},
        {"G4-3", 3, 50, 1, "limit 100000"},
        {"G4-4", 3, 50, 1, "limit 100000"},
        {"G4-5", 3, 50, 1, "limit 100000"},
        {"G4-6", 2, 300, 2, "limit 100000"},
        {"G4-7", 2, 300, 2, "limit 100000"},
        {"G4-8", 2, 300, 2, "limit 100000"},
        {"G4-9", 2, 300, 2, "limit 100000"},
        {"G4-10", 2, 300, 2, "limit 100000"},
        {"G4-11", 2, 300, 2, "limit 100000"},
        {"G4-12", 1, 1000, 3, "limit 100000"},
        {"G4-13", 1, 1000, 3, "limit 100000"},
        {"G4-14", 1, 1000, 3, "limit 100000"},
        {"G4-15", 1, 1000, 3, "limit 100000"},
    };
    auto count = [](const std::string& text, const std::string& what) {
        int n = 0;
        for (auto p = text.find(what); p != std::string::npos; p = text.find(what, p + 1))
            ++n;
        return n;
    };
    ASSERT_EQ(GenerationStatements().size(), std::size(kShapes));
    for (const Shape& shape : kShapes) {
        SCOPED_TRACE(shape.label);
        const GenerationStatement* s = FindGenerationStatement(shape.label);
        ASSERT_NE(s, nullptr);
        const std::string sql = s->sql;
        // The user's characters are the first two keys; the fixed ones follow.
        EXPECT_EQ(sql.rfind("with keys(exclude, prefer) as (select ?1, ?2)", 0), 0u);
        EXPECT_EQ(count(sql, "= ?"), shape.fixedRows);
        // Every sample draws by weight; the last place of a three-character
        // name by its closing weight, unless it is fixed (G3-4) or the name
        // takes the whole pool (two fixed places); with no fixed place the
        // first two of a two- or three-character name by the weights of
        // shop-name pairs; every drawn place of a four-character name with a
        // fixed one by the weight of its place.
        const std::string sample =
            "from CYZI where instr(?1, zi) = 0 order by instr(?2, zi) > 0 desc, rnd(ID, weight";
        const int lastSamples =
            s->length == 3 && shape.samples > 0 && shape.fixedRows < 2 && shape.label[3] != '4';
        EXPECT_EQ(count(sql, sample), shape.samples);
        EXPECT_EQ(count(sql, sample + "_last) limit "), lastSamples);
        const int placeSamples =
            shape.label == std::string("G3-1") || shape.label == std::string("G2-1") ? 2
            : s->length == 4 && shape.fixedRows > 0                                  ? shape.samples
                                                                                     : 0;
        EXPECT_EQ(count(sql, sample + "_first) limit ") + count(sql, sample + "_second) limit ") +
                      count(sql, sample + "_third) limit ") +
                      count(sql, sample + "_fourth) limit "),
                  placeSamples);
        if (shape.samples > 0) {
            for (const char* weight : {") limit ", "_last) limit ", "_first) limit ",
                                       "_second) limit ", "_third) limit ", "_fourth) limit "}) {
                EXPECT_EQ(count(sql, sample + weight + std::to_string(shape.sampleSize) + ")"),
                          count(sql, sample + weight));
            }
        }
        if (s->length == 4 && shape.fixedRows > 0) {
            EXPECT_EQ(count(sql, "from word where zi = ? limit 1)"), shape.fixedRows);
        }
        if (shape.limit != nullptr) {
            EXPECT_EQ(sql.substr(sql.size() - std::string(shape.limit).size()), shape.limit);
        } else {
            EXPECT_EQ(count(sql, "limit"), shape.samples);
        }
        if (shape.samples == 0 && s->length < 4) {
            // The whole of CYZI: the table itself stands in the from-list.
            EXPECT_EQ(count(sql, "from CYZI "), 1);
            EXPECT_EQ(count(sql, "rnd("), 0);
            EXPECT_EQ(count(sql, "instr(?1, "), 1);
        }
        EXPECT_EQ(count(sql, "gz "), 1);
        EXPECT_NE(sql.find("lx = " + std::to_string(s->length)), std::string::npos);
    }
    // The parts of four-character names come from two samples of 300 of MZ.
    EXPECT_EQ(count(FindGenerationStatement("G4-1")->sql, "desc, rnd(ID, weight) limit 300)"), 2);
    EXPECT_EQ(count(FindGenerationStatement("G4-1")->sql, "instr(?1, substr(zi, "), 4);
}

TEST(GenerationRules, MissingElementsInTheirFixedOrder) {
    // Year 庚申 金金, month 戊寅 土木, day 甲子 木水, hour 甲子 木水: lacks 火.
    EXPECT_EQ(MissingElements("金金   土木   木水   木水"), "火");
    EXPECT_EQ(MissingElements("水水   水水   水水   水水"), "金木火土");
    EXPECT_EQ(MissingElements("金木   水火   土土   金金"), "");
    EXPECT_EQ(MissingElements(""), "金木水火土");
}

TEST(GenerationRules, ElementFilterKeepsAsManyElementsAsTheNameHasCharacters) {
    // A chart that lacks 木, 火 and 土.
    const ElementFilterResult two = ElementFilter("木火土", 2);
    EXPECT_EQ(two.kept, "木火");
    EXPECT_EQ(two.filter, " and (wuhang like '%木%') and (wuhang like '%火%')");
    const ElementFilterResult three = ElementFilter("木火土", 3);
    EXPECT_EQ(three.kept, "木火土");
    EXPECT_EQ(three.filter,
              " and (wuhang like '%木%') and (wuhang like '%火%') and (wuhang like '%土%')");
    EXPECT_EQ(ElementFilter("木火土", 4).filter, three.filter);
    // Four lacking elements and a four-character name: all four are required.
    EXPECT_EQ(ElementFilter("金木水土", 4).kept, "金木水土");
    EXPECT_EQ(ElementFilter("金木水火土", 3).kept, "金木水");
    // Nothing lacking: no condition, no wrapping.
    const ElementFilterResult none = ElementFilter("", 4);
    EXPECT_EQ(none.kept, "");
    EXPECT_EQ(none.filter, "");
    EXPECT_EQ(WrapWithElementFilter("select 1", ""), "select 1");
    EXPECT_EQ(WrapWithElementFilter("select 1", two.filter),
              "select * from (select 1) dd where 1 = 1  and (wuhang like '%木%') and "
              "(wuhang like '%火%')");
}
