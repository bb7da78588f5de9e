// The results grid of the generation page: 14 columns, a header row and 200
// candidate rows, filled from the open result of a generation run.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "data/QueryObject.h"
#include "naming/Generation.h"
#include "naming/Numerology.h"

namespace quillora {

inline constexpr int kGridColumns = 14;
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
    kColScore = 8,      // 总体评分: NumerologyScore
    kColPinyin = 9,     // 拼音, with tone marks
    kColAppeal = 10,    // 雅名分: AppealOf
    kColMeaning = 11,   // 寓意说明: the favoured meanings and the sound notes
    kColVerse = 12,     // 出处: a classical line holding the main name's characters
    kColWarnings = 13,  // 注册提示: what may keep the mark from registration
};

struct GridColumnInfo {
    const char* header;
    bool numeric;  // sorted and exported as a number
};
extern const std::array<GridColumnInfo, kGridColumns> kResultColumns;

// The order of two cells of one column: numbers numerically, texts in GBK
// byte order (which puts the common characters in the order of their
// readings, as a Chinese user expects).
bool CellBefore(const std::string& a, const std::string& b, bool numeric);

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

    // Writes the header texts into row 0.
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

// Fills the grid with the next page of the open result of the generation
// query object. With no open result nothing changes. The first page ranks
// every record of the result: by appeal tier (80 points and more, 70 and
// more, the rest), then by 总体评分, then by appeal, then in the result's
// (drawn) order; a name that occurs twice counts once. Each page
// shows the best 200 candidates not yet shown in this run, with variety: a
// character (other than one every candidate shares, such as a fixed one)
// appears at most three times on a page while other candidates remain.
// `prefix` and `suffix` are the trimmed prefix and suffix entries as they
// stand now. The page's 出处 and 注册提示 come from WriteSourceColumns on the
// result's file. Returns whether candidates remain for another page.
bool ShowCandidates(QueryObject& candidates, GenerationState& state, const std::string& prefix,
                    const std::string& suffix, ResultGrid& grid);

// Writes 出处 and 注册提示 of the shown rows from the main name of each row:
// the classical source of its two-character parts, and the registration
// warnings of prefix + main name with the generic words of the suffix's
// trade (the trade is looked up once). `names` reads "Parvello.dll".
// Database errors throw.
void WriteSourceColumns(QueryObject& names, const std::string& prefix, const std::string& suffix,
                        ResultGrid& grid);

}  // namespace quillora
