#include "naming/ResultsGrid.h"

#include <algorithm>
#include <cstdlib>

#include "common/Text.h"
#include "naming/Registration.h"
#include "naming/Verse.h"

namespace quillora {

const std::array<GridColumnInfo, kGridColumns> kResultColumns = {{
    {"编号", true},
    {"品牌商标名称", false},
    {"繁体字", false},
    {"总体笔画", true},
    {"主体名称", false},
    {"主体五行", false},
    {"主体笔画", true},
    {"后缀笔画", true},
    {"总体评分", true},
    {"拼音", false},
    {"雅名分", true},
    {"寓意说明", false},
    {"出处", false},
    {"注册提示", false},
}};

ResultGrid::ResultGrid() {
    WriteHeader();
}

void ResultGrid::WriteHeader() {
    for (int c = 0; c < kGridColumns; ++c)
        cells_[0][c] = kResultColumns[c].header;
}

void ResultGrid::ClearResultGrid() {
    for (int r = 1; r < kGridRows; ++r) {
        for (std::string& cell : cells_[r])
            cell.clear();
    }
}

int ResultGrid::ShownRows() const {
    int n = 0;
    while (n < kCandidateRows) {
        const auto& row = cells_[n + 1];
        if (std::all_of(row.begin(), row.end(), [](const std::string& s) { return s.empty(); })) {
            break;
        }
        ++n;
    }
    return n;
}

namespace {

std::string SortKey(const std::string& text) {
    try {
        return Utf8ToGbk(text);
    } catch (const std::exception&) {
        return text;
    }
}

}  // namespace

bool CellBefore(const std::string& a, const std::string& b, bool numeric) {
    if (numeric)
        return std::strtoll(a.c_str(), nullptr, 10) < std::strtoll(b.c_str(), nullptr, 10);
    return SortKey(a) < SortKey(b);
}

void ResultGrid::SortShownRows(int col, bool ascending) {
    if (col < 0 || col >= kGridColumns)
        return;
    const int n = ShownRows();
    auto first = cells_.begin() + 1;
    auto last = first + n;
    const bool numeric = kResultColumns[col].numeric;
    std::stable_sort(first, last, [&](const auto& x, const auto& y) {
        return ascending ? CellBefore(x[col], y[col], numeric)
                         : CellBefore(y[col], x[col], numeric);
    });
}

void WriteSourceColumns(QueryObject& names, const std::string& prefix, const std::string& suffix,
                        ResultGrid& grid) {
    const ConnectionScope scope;
    const int n = grid.ShownRows();
    if (n == 0)
        return;
    const std::optional<TradeClass> trade = TradeClassOf(names, suffix);
    const MarkWords words(names);
    for (int r = 1; r <= n; ++r) {
        const std::string mainName = Trim(grid.Cell(r, kColMainName));
        grid.SetCell(r, kColVerse, VerseCell(NameVerses(names, mainName), mainName));
        const RegistrationCheck check =
            CheckRegistration(names, words, BrandName{prefix, mainName, suffix}, trade);
        grid.SetCell(r, kColWarnings, RegistrationCell(check));
    }
}

}  // namespace quillora
