// Scoring of candidates and filling the results grid from a generation result.
#include <algorithm>

#include "data/Database.h"
#include "naming/Numerology.h"
#include "naming/ResultsGrid.h"

namespace quillora {

int StrokeBonus(int reducedTotal) {
    if (InFirstBonusSet(reducedTotal))
        return 4;
    if (InSecondBonusSet(reducedTotal))
        return 3;
    return 2;
}

long long CandidateScore(long long fs, long long bh, long long affixBh) {
    return fs + StrokeBonus(NumerologyNumber(bh + affixBh));
}

void ShowCandidates(QueryObject& candidates, const GenerationState& state,
                    const std::string& prefix, const std::string& suffix, ResultGrid& grid) {
    if (!candidates.IsOpen())
        return;
    grid.ClearResultGrid();
    const int total = candidates.RecordCount();
    const int n = std::min(total, kCandidateRows);
    for (int r = 1; r <= n; ++r) {
        // With 200 rows or more every grid row is an independent draw among
        // all records; below that the records are shown in the result's order.
        const int record =
            n == kCandidateRows
                ? static_cast<int>(NextRandomBelow(static_cast<std::uint64_t>(total))) + 1
                : r;
        candidates.MoveTo(record);
        const std::string zi = candidates.FieldText("zi");
        const long long bh = candidates.FieldInt("bh");
        const long long fs = candidates.FieldInt("fs");
        grid.SetCell(r, kColNumber, std::to_string(r));
        grid.SetCell(r, kColBrandName, prefix + zi + suffix);
        grid.SetCell(r, kColTraditional,
                     state.NameBeginFt + candidates.FieldText("ft") + state.NameEndFt);
        grid.SetCell(r, kColTotalStrokes, std::to_string(bh + state.AffixBh));
        grid.SetCell(r, kColMainName, zi);
        grid.SetCell(r, kColMainElements, candidates.FieldText("wuhang"));
        grid.SetCell(r, kColMainStrokes, std::to_string(bh));
        grid.SetCell(r, kColSuffixStrokes, std::to_string(state.NameEndBh));
        grid.SetCell(r, kColScore, std::to_string(CandidateScore(fs, bh, state.AffixBh)));
    }
}

}  // namespace quillora
