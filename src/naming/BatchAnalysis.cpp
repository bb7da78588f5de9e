#include "naming/BatchAnalysis.h"

#include <algorithm>
#include <map>
#include <optional>

#include "common/Text.h"
#include "data/QueryObject.h"
#include "naming/Appeal.h"
#include "naming/Registration.h"
#include "naming/Verse.h"

namespace quillora {

namespace {

const std::vector<std::string>& BatchHeaders() {
    static const std::vector<std::string> headers = {
        "编号",   "品牌商标名称", "总体评分", "主体数理", "全称数理", "名称五行",
        "补八字", "拼音",         "雅名分",   "出处",     "注册提示", "尼斯分类",
    };
    return headers;
}

std::string Grid(int number) {
    return std::to_string(number) + "（" + GridLuckName(number) + "）";
}

std::string Joined(const std::vector<std::string>& items, const char* separator) {
    std::string out;
    for (const std::string& item : items)
        out += (out.empty() ? "" : separator) + item;
    return out;
}

// What the main name gives the chart: the lacking elements it supplies and
// the favourable ones it carries.
std::string Supplies(const ChartNeeds& needs, const std::vector<std::string>& elements) {
    if (needs.missing.empty())
        return "八字不缺";
    const std::vector<std::string> fills = SuppliedElements(needs.missing, elements);
    return fills.empty() ? "未补" + Joined(needs.missing, "") : "补" + Joined(fills, "");
}

}  // namespace

std::vector<BatchName> ReadBatchNames(std::string_view text) {
    std::string utf8(text);
    if (utf8.rfind(kUtf8Bom, 0) == 0)
        utf8.erase(0, kUtf8Bom.size());
    if (!IsValidUtf8(utf8))
        utf8 = GbkToUtf8(utf8);
    std::vector<BatchName> names;
    std::size_t start = 0;
    while (start < utf8.size()) {
        const std::size_t end = std::min(utf8.find('\n', start), utf8.size());
        const std::string line = utf8.substr(start, end - start);
        start = end + 1;
        const std::size_t tab = line.find('\t');
        BatchName name{Trim(line.substr(0, tab)),
                       tab == std::string::npos ? std::string() : Trim(line.substr(tab + 1))};
        if (!name.mainName.empty() || !name.suffix.empty())
            names.push_back(std::move(name));
    }
    return names;
}

ExportTable BatchTableHead() {
    ExportTable table;
    table.sheet = "批量分析";
    table.header = BatchHeaders();
    table.widths = {6, 22, 9, 10, 10, 9, 10, 14, 7, 60, 30, 18};
    table.numeric.assign(kBatchColumns, false);
    table.numeric[kBatchNumber] = table.numeric[kBatchScore] = table.numeric[kBatchAppeal] = true;
    return table;
}

// What the analyser reads once for the whole list: the appeal tables, the
// listed words, and the trade of each suffix it meets.
struct BatchAnalyser::Books {
    explicit Books(QueryObject& names) : appeal(names.Connection()), words(names) {}
    AppealBook appeal;
    MarkWords words;
    std::map<std::string, std::optional<TradeClass>> trades;
};

BatchAnalyser::BatchAnalyser(QueryObject& names, QueryObject& readings, ChartNeeds needs,
                             std::vector<BatchName> list)
    : names_(names), readings_(readings), needs_(std::move(needs)), list_(std::move(list)) {}

BatchAnalyser::~BatchAnalyser() = default;

bool BatchAnalyser::Next(std::size_t count, std::vector<std::vector<std::string>>& rows) {
    const ConnectionScope scope;
    if (!books_)
        books_ = std::make_unique<Books>(names_);
    for (std::size_t end = std::min(list_.size(), done_ + count); done_ < end; ++done_)
        rows.push_back(Row(done_));
    return done_ < list_.size();
}

std::vector<std::string> BatchAnalyser::Row(std::size_t index) {
    const BrandName name = TrimmedBrandName("", list_[index].mainName, list_[index].suffix);
    std::vector<std::string> row(kBatchColumns);
    row[kBatchNumber] = std::to_string(index + 1);
    row[kBatchBrandName] = name.FullName();
    if (const std::optional<std::string> fault = CheckMainName(name.mainName)) {
        row[kBatchScore] = *fault;
        return row;
    }
    const LineSink ignore = [](const std::string&) {};
    const NameGrades grades = WriteNameGrids(names_, readings_, name, ignore);
    row[kBatchScore] = std::to_string(ScoreBrandName(grades).points);
    row[kBatchMainGrid] = Grid(grades.mainNumber);
    row[kBatchFullGrid] = Grid(grades.fullNumber);
    row[kBatchElements] = Joined(grades.mainElements, "");
    row[kBatchSupplies] = Supplies(needs_, grades.mainElements);
    std::vector<std::string> chars;
    for (const std::string& c : SplitChars(name.mainName))
        chars.push_back(CountedCharacter(c));
    const NameAppeal appeal = AppealOf(books_->appeal, chars);
    row[kBatchPinyin] = appeal.pinyin;
    row[kBatchAppeal] = std::to_string(appeal.points);
    row[kBatchVerse] = VerseCell(NameVerses(names_, name.mainName), name.mainName);
    auto trade = books_->trades.find(name.suffix);
    if (trade == books_->trades.end())
        trade = books_->trades.emplace(name.suffix, TradeClassOf(names_, name.suffix)).first;
    const RegistrationCheck check = CheckRegistration(names_, books_->words, name, trade->second);
    row[kBatchWarnings] = RegistrationCell(check);
    row[kBatchTradeClass] = check.trade ? TradeClassText(*check.trade) : "";
    return row;
}

ExportTable AnalyseBatch(QueryObject& names, QueryObject& readings, const ChartNeeds& needs,
                         const std::vector<BatchName>& list) {
    ExportTable table = BatchTableHead();
    BatchAnalyser analyser(names, readings, needs, list);
    analyser.Next(list.size(), table.rows);
    return table;
}

}  // namespace quillora
