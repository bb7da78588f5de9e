#include "naming/NameAnalysis.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "bazi/ChartSummary.h"
#include "bazi/FavourableElement.h"
#include "common/Text.h"
#include "data/QueryObject.h"
#include "data/Statements.h"
#include "naming/Appeal.h"
#include "naming/Numerology.h"
#include "naming/Registration.h"
#include "naming/Verse.h"

namespace quillora {

namespace {

// The first column of the first row of a one-key statement, "" without a row.
std::string FirstText(QueryObject& q, const char* sql, std::string key) {
    q.SetStatement(sql, {std::move(key)});
    q.Open();
    return q.RecordCount() == 0 ? std::string() : q.FieldText(0);
}

int CharStrokes(QueryObject& strokes, const std::string& character) {
    strokes.SetStatement(sql::kWordStrokes, {CountedCharacter(character)});
    strokes.Open();
    return strokes.RecordCount() == 0 ? 0 : static_cast<int>(strokes.FieldInt(0));
}

bool IsBlank(const std::string& character) {
    return character.size() == 1 && static_cast<unsigned char>(character[0]) <= 32;
}

// One grid block: the heading "【text】<label>k分析：" and the reading.
int WriteGrid(QueryObject& strokes, QueryObject& readings, const std::string& text,
              const char* label, const LineSink& sink) {
    const int k = NumerologyNumber(StrokeCount(strokes, text));
    sink("【" + text + "】" + label + std::to_string(k) + "分析：");
    sink(NumerologyReading(readings, k));
    return k;
}

std::string Join(const std::vector<std::string>& items, const char* separator) {
    std::string out;
    for (const std::string& item : items) {
        if (!out.empty())
            out += separator;
        out += item;
    }
    return out;
}

// The elements of `wanted` that `have` holds, in the order 金 木 水 火 土.
std::vector<std::string> SuppliedIn(const std::vector<std::string>& wanted,
                                    const std::vector<std::string>& have) {
    std::vector<std::string> out;
    for (const std::string_view e : ElementNames) {
        const bool w = std::find(wanted.begin(), wanted.end(), e) != wanted.end();
        const bool h = std::find(have.begin(), have.end(), e) != have.end();
        if (w && h)
            out.emplace_back(e);
    }
    return out;
}

const char* LuckWord(int number) {
    if (number == 0)
        return "未收录";
    const double luck = GridLuck(number);
    if (luck >= 1.0)
        return "吉";
    if (luck > 0)
        return "半吉";
    return "凶";
}

}  // namespace

std::string CountedCharacter(std::string_view character) {
    static const char* const kNumerals[] = {"零", "一", "二", "三", "四",
                                            "五", "六", "七", "八", "九"};
    if (character.size() == 1 && character[0] >= '0' && character[0] <= '9')
        return kNumerals[character[0] - '0'];
    return std::string(character);
}

int StrokeCount(QueryObject& strokes, std::string_view text) {
    int total = 0;
    for (const std::string& c : SplitChars(text))
        total += CharStrokes(strokes, c);
    return total;
}

std::string WordElement(QueryObject& strokes, std::string_view character) {
    return FirstText(strokes, sql::kWordElement, CountedCharacter(character));
}

std::string NumerologyReading(QueryObject& readings, int number) {
    return FirstText(readings, sql::kNamefxReading, std::to_string(number));
}

BrandName TrimmedBrandName(std::string_view prefix, std::string_view mainName,
                           std::string_view suffix) {
    return {Trim(prefix), Trim(mainName), Trim(suffix)};
}

std::string NameElementsText(QueryObject& strokes, const BrandName& name,
                             std::vector<std::string>* mainElements) {
    std::string line;
    auto add = [&](const std::string& part, bool isMain) {
        for (const std::string& c : SplitChars(part)) {
            if (IsBlank(c)) {
                if (isMain && mainElements != nullptr)
                    mainElements->emplace_back();
                continue;
            }
            const std::string e = WordElement(strokes, c);
            if (isMain && mainElements != nullptr)
                mainElements->push_back(e);
            if (!line.empty())
                line += ' ';
            line += c + "(" + (e.empty() ? std::string("?") : e) + ")";
        }
    };
    add(name.prefix, false);
    add(name.mainName, true);
    add(name.suffix, false);
    return line;
}

NameGrades WriteNameGrids(QueryObject& strokes, QueryObject& readings, const BrandName& name,
                          const LineSink& sink) {
    NameGrades grades;
    const std::string full = name.FullName();

    sink("名称：" + full);
    sink("");
    sink("五行：" + NameElementsText(strokes, name, &grades.mainElements));
    sink("");
    if (const std::string note = CountingNoteLine(name); !note.empty()) {
        sink(note);
        sink("");
    }
    sink("名称分析如下：");
    sink("");

    sink("第一、【行运格(主体)】：是名称的核心，非常重要。");
    sink("");
    for (const std::string& c : SplitChars(name.mainName)) {
        grades.charNumbers.push_back(WriteGrid(strokes, readings, c, "数理", sink));
        if (const int bh = CharStrokes(strokes, c); bh > 0)
            grades.mainStrokes.push_back(bh);
        sink("");
    }
    grades.affixStrokes = StrokeCount(strokes, name.prefix + name.suffix);
    grades.mainNumber = WriteGrid(strokes, readings, name.mainName, "行运格(主体)数理", sink);
    sink("");

    sink("第二、【使运格(行业后缀)】：是属于行业部分，不起决策作用，不参与评分。");
    if (!name.suffix.empty()) {
        WriteGrid(strokes, readings, name.suffix, "数理", sink);
    } else {
        sink("无行业后缀名称，此处无分析内容。");
    }
    sink("");

    sink("第三、【主运格(全称)】：是属于次要部分。");
    grades.fullNumber = WriteGrid(strokes, readings, full, "数理", sink);
    sink("");
    return grades;
}

double GridLuck(int number) {
    if (number <= 0)
        return 0.0;
    return NumerologyLuck(number);
}

OverallScore ScoreBrandName(const NameGrades& grades) {
    OverallScore score;
    if (grades.mainStrokes.empty()) {
        score.reason = "主体名称无可计笔画的字";
        return score;
    }
    score.points = NumerologyScore(grades.mainStrokes, grades.affixStrokes);
    const int pattern = GradeStrokePattern(grades.mainStrokes).score;

    int good = 0, fair = 0, bad = 0, none = 0;
    for (int n : grades.charNumbers) {
        const double luck = GridLuck(n);
        if (n == 0) {
            ++none;
        } else if (luck >= 1.0) {
            ++good;
        } else if (luck > 0) {
            ++fair;
        } else {
            ++bad;
        }
    }
    std::string counts;
    auto count = [&](int n, const char* what) {
        if (n > 0)
            counts += std::to_string(n) + what;
    };
    count(good, "吉");
    count(fair, "半吉");
    count(bad, "凶");
    count(none, "不计");

    score.reason = "主体笔画格局" + std::to_string(pattern) + "分：主体数理" +
                   LuckWord(grades.mainNumber) + "，单字数理" + counts + "；全称数理" +
                   LuckWord(grades.fullNumber) + "加" + std::to_string(score.points - pattern) +
                   "分";
    return score;
}

std::string ElementFitLine(const NameGrades& grades, const ChartNeeds& needs) {
    const std::vector<std::string> fills = SuppliedIn(needs.missing, grades.mainElements);
    const std::vector<std::string> suits = SuppliedIn(needs.favourable, grades.mainElements);
    std::string r = "【五行补益】：";
    if (needs.missing.empty()) {
        r += "八字五行俱全";
    } else {
        r += "八字缺" + Join(needs.missing, "、") + "，";
        r += fills.empty() ? std::string("名称未补") : "名称补" + Join(fills, "、");
    }
    if (!needs.favourable.empty()) {
        r += "；喜用神" + Join(needs.favourable, "、") + "，";
        r += suits.empty() ? std::string("名称未含") : "名称含" + Join(suits, "、");
    }
    return r + "（名称按用字五行，八字按干支五行）";
}

std::string AppealLine(QueryObject& strokes, const BrandName& name) {
    AppealBook book(strokes.Connection());
    std::vector<std::string> chars;
    for (const std::string& c : SplitChars(name.mainName))
        chars.push_back(CountedCharacter(c));
    const NameAppeal appeal = AppealOf(book, chars);
    std::string r =
        "【名称雅俗】：雅名分" + std::to_string(appeal.points) + "分（拼音 " + appeal.pinyin;
    if (!appeal.note.empty())
        r += "；" + appeal.note;
    return r + "）";
}

std::string CountingNoteLine(const BrandName& name) {
    bool digits = false, letters = false;
    for (const std::string& c : SplitChars(name.FullName())) {
        if (c.size() != 1)
            continue;
        digits = digits || (c[0] >= '0' && c[0] <= '9');
        letters = letters || std::isalpha(static_cast<unsigned char>(c[0])) != 0;
    }
    std::string note;
    if (digits)
        note = "数字按中文数字计笔画和五行（如3按“三”）";
    if (letters)
        note += std::string(note.empty() ? "" : "；") + "英文字母不计笔画";
    return note.empty() ? note : "注：" + note + "。";
}

ChartNeeds ChartNeedsOf(const FourPillarsChart& chart) {
    ChartNeeds needs;
    needs.missing = SplitChars(MissingElements(ChartElementsText(chart)));
    for (FiveElement e : FavourableElementOf(chart).elements)
        needs.favourable.emplace_back(ElementName(e));
    return needs;
}

const char* GridLuckName(int number) {
    return LuckWord(number);
}

std::vector<std::string> SuppliedElements(const std::vector<std::string>& wanted,
                                          const std::vector<std::string>& mainElements) {
    return SuppliedIn(wanted, mainElements);
}

std::string OverallScoreLine(const OverallScore& score) {
    return "【总体评分】：" + std::to_string(score.points) + "分（" + score.reason + "）";
}

std::optional<std::string> CheckMainName(std::string_view mainName) {
    const std::string name = Trim(mainName);
    if (name.empty())
        return std::string(kMainNameEmpty);
    const int bytes = GbkByteLength(name);
    if (bytes < 0)
        return std::string(kMainNameUnreadable);
    if (bytes < 4)
        return std::string(kMainNameTooShort);
    return std::nullopt;
}

AnalysisOutcome AnalyseBrandName(const BrandNameView& view) {
    // The chart's and the report's lookups share one connection per file.
    const ConnectionScope scope;
    if (const std::optional<std::string> fault = CheckMainName(view.mainName))
        return {*fault, AnalysisFocus::MainName};

    BirthReadOptions options;
    options.currentYear = view.currentYear;
    const BirthReadResult read = ReadBirthRecord(view.birth, options);
    if (!read)
        return {read.issue.message, AnalysisFocus::None};
    const BirthRecord& record = *read.record;

    const LineSink& sink = view.appendLine;
    if (view.clearMemo)
        view.clearMemo();
    sink("法人基本信息：");
    for (const std::string& line : BirthSummaryLines(record))
        sink(line);

    const std::optional<FourPillarsChart> chart = BuildChartOf(record);
    if (!chart)
        return {kChartDateMessage, AnalysisFocus::None};
    const FourPillarsChart& c = *chart;
    sink(TenGodsLine(c));
    sink(PillarsLine(c));
    const std::string elements = ChartElementsText(c);
    sink(ElementsLine(elements));
    sink(SoundElementsLine(c));
    sink(ElementCountLine(elements));
    const FavourableElement favourable = FavourableElementOf(c);
    sink(FavourableElementLine(favourable));
    sink("");
    sink(kNameSeparatorLine);
    sink("");

    const BrandName name = TrimmedBrandName(view.prefix, view.mainName, view.suffix);
    const NameGrades grades = WriteNameGrids(*view.strokes, *view.readings, name, sink);

    ChartNeeds needs;
    needs.missing = SplitChars(MissingElements(elements));
    for (FiveElement e : favourable.elements)
        needs.favourable.emplace_back(ElementName(e));

    sink(kNameSeparatorLine);
    sink("");
    sink(OverallScoreLine(ScoreBrandName(grades)));
    sink(ElementFitLine(grades, needs));
    sink(AppealLine(*view.strokes, name));
    sink("");
    // Beside the numerology: where the name's characters meet in classical
    // verse, and what may stand in the way of registering it.
    for (const std::string& line : VerseLines(NameVerses(*view.strokes, name.mainName)))
        sink(line);
    sink("");
    for (const std::string& line : RegistrationLines(CheckRegistration(*view.strokes, name)))
        sink(line);
    sink("");
    sink(kAdviceLine);
    return {};
}

}  // namespace quillora
