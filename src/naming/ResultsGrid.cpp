#include "naming/ResultsGrid.h"

#include <algorithm>
#include <cstdlib>

#include "common/Text.h"

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

// Texts sort in GBK byte order, which puts the common characters in the
// order of their readings, as a Chinese user expects.
std::string SortKey(const std::string& text) {
    try {
        return Utf8ToGbk(text);
    } catch (const std::exception&) {
        return text;
    }
}

}  // namespace

void ResultGrid::SortShownRows(int col, bool ascending) {
    if (col < 0 || col >= kGridColumns)
        return;
    const int n = ShownRows();
    auto first = cells_.begin() + 1;
    auto last = first + n;
    if (kResultColumns[col].numeric) {
        std::stable_sort(first, last, [&](const auto& x, const auto& y) {
            const long long a = std::strtoll(x[col].c_str(), nullptr, 10);
            const long long b = std::strtoll(y[col].c_str(), nullptr, 10);
            return ascending ? a < b : b < a;
        });
    } else {
        std::stable_sort(first, last, [&](const auto& x, const auto& y) {
            const std::string a = SortKey(x[col]);
            const std::string b = SortKey(y[col]);
            return ascending ? a < b : b < a;
        });
    }
}

}  // namespace quillora
