// The results grid of the generation page: 9 columns, a header row and 200
// candidate rows, filled from the open result of a generation run.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "data/QueryObject.h"
#include "naming/Generation.h"

namespace quillora {

inline constexpr int kGridColumns = 9;
inline constexpr int kGridRows = 201;       // row 0 is the header
inline constexpr int kCandidateRows = 200;  // rows 1 ... 200

// Column indexes.
enum GridColumn : int {
    kColNumber = 0,     // 编号
    kColBrandName = 1,  // 品牌商标名称
    kColTraditional = 2,
    kColTotalStrokes = 3,
    kColMainName = 4,  // 主体名称
    kColMainElements = 5,
    kColMainStrokes = 6,
    kColSuffixStrokes = 7,
    kColScore = 8,
};

struct GridColumnInfo {
    const char* header;
    bool numeric;  // sorted and exported as a number
};
extern const std::array<GridColumnInfo, kGridColumns> kResultColumns;

// The stroke bonus of a reduced stroke total: 4 in the first bonus set, else 3
// in the second, else 2.
int StrokeBonus(int reducedTotal);

// The score of a candidate: fs + the bonus of NumerologyNumber(bh + affixBh).
long long CandidateScore(long long fs, long long bh, long long affixBh);

// The cells of the grid. Row 0 holds the headers; rows 1 ... 200 the
// candidates. The grid always keeps its 201 rows.
class ResultGrid {
  public:
    ResultGrid();

    const std::string& Cell(int row, int col) const { return cells_[row][col]; }
    void SetCell(int row, int col, std::string text) { cells_[row][col] = std::move(text); }
    const std::array<std::string, kGridColumns>& Row(int row) const { return cells_[row]; }

    // Writes the nine header texts into row 0.
    void WriteHeader();

    // Blanks every cell of rows 1 ... 200.
    void ClearResultGrid();

    // Number of leading candidate rows that hold a candidate.
    int ShownRows() const;

    // Sorts the shown rows by one column (numbers numerically, texts by their
    // bytes); rows keep their cells, blank rows stay below. Stable.
    void SortShownRows(int col, bool ascending);

  private:
    std::array<std::array<std::string, kGridColumns>, kGridRows> cells_;
};

// Fills the grid from the open result of the generation query object. With no
// open result nothing changes. Otherwise the grid is cleared; with N rows and
// n = min(N, 200), grid row r shows record r when n < 200, or a record drawn at
// random among all N (anew for each row) when n is 200. `prefix` and `suffix`
// are the trimmed prefix and suffix entries as they stand now.
void ShowCandidates(QueryObject& candidates, const GenerationState& state,
                    const std::string& prefix, const std::string& suffix, ResultGrid& grid);

}  // namespace quillora
