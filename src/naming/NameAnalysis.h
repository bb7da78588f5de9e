// Brand-name analysis: stroke sums from table `word`, their numerology
// numbers and readings from table `namefx`, and the report that sets a brand
// name beside the legal person's Four Pillars data.
//
// Texts are cut into whole characters, never through one: a Chinese
// character and an ASCII character are each one piece, looked up as typed.
// Every key is bound as a statement parameter.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "bazi/BirthRecord.h"
#include "data/QueryObject.h"

namespace quillora {

// ---- Lookups --------------------------------------------------------------

// The character a name character counts as: an Arabic digit counts as its
// Chinese numeral (3 as 三, 0 as 零); every other character as itself.
std::string CountedCharacter(std::string_view character);

// Stroke sum of a text: each character's `bh` in table `word` (on the stroke
// query object, "Parvello.dll"), a digit's as its numeral; a character the
// table lacks (a Latin letter) counts 0.
int StrokeCount(QueryObject& strokes, std::string_view text);

// The element `wuhang` of one character (a digit's as its numeral) in table
// `word`, or "" when the table lacks it.
std::string WordElement(QueryObject& strokes, std::string_view character);

// The reading of a numerology number in table `namefx` (on the reading query
// object, "Somnette.dll"), or "" when the number has no row.
std::string NumerologyReading(QueryObject& readings, int number);

// ---- The brand name's part of the report ------------------------------------

// Appends one memo line; called as each line is produced, so the lines
// written before a failure stay in the memo.
using LineSink = std::function<void(const std::string&)>;

// The brand name as the analysis uses it: each part trimmed.
struct BrandName {
    std::string prefix;
    std::string mainName;
    std::string suffix;

    std::string FullName() const { return prefix + mainName + suffix; }
};

BrandName TrimmedBrandName(std::string_view prefix, std::string_view mainName,
                           std::string_view suffix);

// What the overall score needs from the name: the numbers of the scoring
// grids, the strokes of the main name's counted characters and the elements
// of the main name's characters.
struct NameGrades {
    std::vector<int> charNumbers;           // each main-name character alone
    int mainNumber = 0;                     // the whole main name
    int fullNumber = 0;                     // prefix + main name + suffix
    std::vector<std::string> mainElements;  // one per main-name character, "" when unknown
    std::vector<int> mainStrokes;           // each main-name character the dictionary holds
    long long affixStrokes = 0;             // suffix and prefix together
};

// The line of the name's elements after "五行：": every character of the full
// name with its element, "九(木) 万(水) 珠(金) 宝(火)"; an unknown character
// shows "(?)". Blanks inside the name are skipped. Also yields the elements of
// the main name's characters.
std::string NameElementsText(QueryObject& strokes, const BrandName& name,
                             std::vector<std::string>* mainElements = nullptr);

// Writes the report from the name line through the third grid (the name,
// its elements, the three grids with their readings and the empty line after
// them) and returns the numbers for the score.
NameGrades WriteNameGrids(QueryObject& strokes, QueryObject& readings, const BrandName& name,
                          const LineSink& sink);

// ---- The overall score --------------------------------------------------------

// The luck of one grid number: 1.0 for a number of the first bonus set, 0.6
// for the second, 0 otherwise; a grid whose characters were all unknown
// (number 0) has no luck and counts 0.
double GridLuck(int number);

// The chart's side of the element fit: the elements that none of the eight
// characters of the pillars carries (in the order 金 木 水 火 土), and the
// favourable elements, most needed first.
struct ChartNeeds {
    std::vector<std::string> missing;
    std::vector<std::string> favourable;
};

// The needs of a legal person's chart: the elements its eight characters
// lack and its favourable elements.
ChartNeeds ChartNeedsOf(const FourPillarsChart& chart);

// The luck word of a grid number: "吉", "半吉", "凶", or "未收录" for 0 (no
// character of the grid was found).
const char* GridLuckName(int number);

// The elements of `wanted` that the name's characters carry, in the order
// 金 木 水 火 土.
std::vector<std::string> SuppliedElements(const std::vector<std::string>& wanted,
                                          const std::vector<std::string>& mainElements);

struct OverallScore {
    int points = 0;
    std::string reason;
};

// 总体评分 of the name: NumerologyScore of the main name's character strokes
// and the suffix and prefix strokes, the number the results grid shows for
// the same name and suffix. The reason names the pattern score with the
// luck of the main name and its characters, and the bonus of the full
// name's number. A main name without a counted character scores 0.
OverallScore ScoreBrandName(const NameGrades& grades);

// "【总体评分】：" + points + "分（" + reason + "）"
std::string OverallScoreLine(const OverallScore& score);

// The element fit, beside the score and not part of it: which of the
// chart's missing and favourable elements the main name's characters carry.
// "【五行补益】：八字缺木，名称补木；喜用神土、木，名称含木（名称用字五行，
// 八字按干支五行）".
std::string ElementFitLine(const NameGrades& grades, const ChartNeeds& needs);

// The appeal of the main name, beside the score: "【名称雅俗】：雅名分80分
// （拼音 huá ruì；吉祥安康；华瑞成词）".
std::string AppealLine(QueryObject& strokes, const BrandName& name);

// The note on characters that do not count as themselves, or "": digits
// count as their Chinese numerals, Latin letters are not counted.
std::string CountingNoteLine(const BrandName& name);

// ---- Fixed lines ----------------------------------------------------------------

inline constexpr const char* kNameSeparatorLine =
    "<-----------------------批名字分隔线----------------------------->";
inline constexpr const char* kAdviceLine =
    "建议：如本名称符合法人命理将更佳，祝您企业步步高升，生意红火！";

// The brand-name checks, in order; the first that fails ends the analysis.
inline constexpr const char* kMainNameEmpty = "品牌商标名称不能为空!";
inline constexpr const char* kMainNameUnreadable = "品牌商标名称含有无法识别的字符!";
inline constexpr const char* kMainNameTooShort = "品牌商标名称为两个字以上!";

// The message of the first brand-name check that fails, or nullopt. The main
// name is judged trimmed: empty, holding a character GBK cannot write, or
// shorter than 4 GBK bytes (two Chinese characters).
std::optional<std::string> CheckMainName(std::string_view mainName);

// ---- The whole analysis ----------------------------------------------------------

// The controls one analysis runs over: the legal person's input group, the
// three name edits, the report memo and the two query objects.
struct BrandNameView {
    BirthEntries birth;
    std::string prefix;
    std::string mainName;
    std::string suffix;
    std::function<void()> clearMemo;  // called once every check has passed
    LineSink appendLine;
    QueryObject* strokes = nullptr;   // "Parvello.dll"
    QueryObject* readings = nullptr;  // "Somnette.dll"
    int currentYear = 0;              // the year ages count to; 0 reads the clock
};

// The entry that takes the focus after a failed check.
enum class AnalysisFocus { None, MainName };

// A failed check: the message to show and where the focus goes. A default
// outcome (empty message) means the report was written.
struct AnalysisOutcome {
    std::string message;
    AnalysisFocus focus = AnalysisFocus::None;
    explicit operator bool() const { return message.empty(); }
};

// Runs the checks (main name, then the date checks of the input group), and
// when they pass clears the memo and writes the report line by line. A
// conversion or database error part-way throws and leaves the lines written
// so far.
AnalysisOutcome AnalyseBrandName(const BrandNameView& view);

}  // namespace quillora
