// Batch analysis (批量分析): a list of names the business owner brought, each
// analysed against the legal person in one table — the overall score, the
// luck of the grids, the main name's elements and what they supply, the
// classical source and the registration warnings with the trade's class.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "naming/Export.h"
#include "naming/NameAnalysis.h"

namespace quillora {

class QueryObject;

// One name of the list: the main name and, after a tab, its suffix.
struct BatchName {
    std::string mainName;
    std::string suffix;
};

// The names of a list: one per line, an optional suffix after a tab; blank
// lines are skipped, each part trimmed. The text is UTF-8 (a leading byte
// order mark is dropped) or, when it is not, GBK as the program's own saved
// files are.
std::vector<BatchName> ReadBatchNames(std::string_view text);

// Column indexes of the batch table.
enum BatchColumn : int {
    kBatchNumber = 0,  // 编号
    kBatchBrandName,   // 品牌商标名称
    kBatchScore,       // 总体评分
    kBatchMainGrid,    // 主体数理
    kBatchFullGrid,    // 全称数理
    kBatchElements,    // 名称五行
    kBatchSupplies,    // 补八字
    kBatchPinyin,      // 拼音
    kBatchAppeal,      // 雅名分
    kBatchVerse,       // 出处
    kBatchWarnings,    // 注册提示
    kBatchTradeClass,  // 尼斯分类
    kBatchColumns,
};

// The batch table without rows: headers, the spreadsheet's widths and which
// columns hold numbers.
ExportTable BatchTableHead();

// Analyses a list a part at a time, so that a window can show its progress
// and stay responsive between the parts; rows come in list order, numbered
// from 1. A name that fails the main-name checks keeps its row with the
// check's message under 总体评分. `names` reads "Parvello.dll", `readings`
// "Somnette.dll"; both must outlive the analyser. Database errors throw.
class BatchAnalyser {
  public:
    BatchAnalyser(QueryObject& names, QueryObject& readings, ChartNeeds needs,
                  std::vector<BatchName> list);
    ~BatchAnalyser();
    BatchAnalyser(const BatchAnalyser&) = delete;
    BatchAnalyser& operator=(const BatchAnalyser&) = delete;

    // Analyses up to `count` further names and appends their rows to
    // `rows`; returns whether names remain.
    bool Next(std::size_t count, std::vector<std::vector<std::string>>& rows);

    std::size_t Done() const { return done_; }
    std::size_t Total() const { return list_.size(); }
    // The name behind a row: row number n (1 ...) is list entry n − 1.
    const std::vector<BatchName>& List() const { return list_; }

  private:
    struct Books;
    std::vector<std::string> Row(std::size_t index);

    QueryObject& names_;
    QueryObject& readings_;
    ChartNeeds needs_;
    std::vector<BatchName> list_;
    std::size_t done_ = 0;
    std::unique_ptr<Books> books_;  // read when the first part is analysed
};

// The whole table of a list against the legal person's chart needs, one row
// per name in list order.
ExportTable AnalyseBatch(QueryObject& names, QueryObject& readings, const ChartNeeds& needs,
                         const std::vector<BatchName>& list);

}  // namespace quillora
