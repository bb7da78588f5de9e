#include "naming/BatchAnalysis.h"

#include <algorithm>
#include <map>
#include <optional>

#include "common/Text.h"
#include "data/QueryObject.h"
#include "naming/Registration.h"
#include "naming/Verse.h"

namespace quillora {

namespace {

const std::vector<std::string>& BatchHeaders() {
    static const std::vector<std::string> headers = {
        "编号",     "品牌商标名称", "总体评分", "主体数理", "全称数理",
        "名称五行", "补八字",       "出处",     "注册提示", "尼斯分类",
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
    if (utf8.rfind("\xEF\xBB\xBF", 0) == 0)
        utf8.erase(0, 3);
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

ExportTable AnalyseBatch(QueryObject& names, QueryObject& readings, const ChartNeeds& needs,
                         const std::vector<BatchName>& list) {
    const ConnectionScope scope;
    ExportTable table;
    table.header = BatchHeaders();
    table.widths = {40, 150, 70, 70, 70, 70, 80, 320, 220, 120};
    table.numeric = {true, false, true, false, false, false, false, false, false, false};
    // The trade of each suffix is looked up once for the whole list.
    std::map<std::string, std::optional<TradeClass>> trades;
    const LineSink ignore = [](const std::string&) {};
    for (std::size_t i = 0; i < list.size(); ++i) {
        const BrandName name = TrimmedBrandName("", list[i].mainName, list[i].suffix);
        std::vector<std::string> row(kBatchColumns);
        row[kBatchNumber] = std::to_string(i + 1);
        row[kBatchBrandName] = name.FullName();
        if (const std::optional<std::string> fault = CheckMainName(name.mainName)) {
            row[kBatchScore] = *fault;
            table.rows.push_back(std::move(row));
            continue;
        }
        const NameGrades grades = WriteNameGrids(names, readings, name, ignore);
        row[kBatchScore] = std::to_string(ScoreBrandName(grades).points);
        row[kBatchMainGrid] = Grid(grades.mainNumber);
        row[kBatchFullGrid] = Grid(grades.fullNumber);
        row[kBatchElements] = Joined(grades.mainElements, "");
        row[kBatchSupplies] = Supplies(needs, grades.mainElements);
        row[kBatchVerse] = VerseCell(NameVerses(names, name.mainName), name.mainName);
        auto trade = trades.find(name.suffix);
        if (trade == trades.end())
            trade = trades.emplace(name.suffix, TradeClassOf(names, name.suffix)).first;
        const RegistrationCheck check = CheckRegistration(names, name, trade->second);
        row[kBatchWarnings] = RegistrationCell(check);
        row[kBatchTradeClass] = check.trade ? TradeClassText(*check.trade) : "";
        table.rows.push_back(std::move(row));
    }
    return table;
}

}  // namespace quillora
