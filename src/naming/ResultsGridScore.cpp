// Scoring and ranking the candidates of a generation result and filling the
// results grid page by page.
#include <algorithm>
#include <map>
#include <set>
#include <unordered_set>

#include "common/Text.h"
#include "data/Database.h"
#include "naming/Appeal.h"
#include "naming/Numerology.h"
#include "naming/ResultsGrid.h"

namespace quillora {

long long CandidateScore(long long fs, long long bh, long long affixBh) {
    return fs + StrokeBonus(NumerologyNumber(bh + affixBh));
}

namespace {

// A character may fill at most this many rows of one page.
constexpr int kCharacterPerPage = 3;

void RankCandidates(QueryObject& candidates, GenerationState& state) {
    QueryObject facts(candidates.Connection(), kCharLookupTimeout);
    AppealBook book(facts);
    std::unordered_set<std::string> names;
    const int total = candidates.RecordCount();
    for (int record = 1; record <= total; ++record) {
        candidates.MoveTo(record);
        const std::string zi = candidates.FieldText("zi");
        if (!names.insert(zi).second)
            continue;
        RankedCandidate c;
        c.record = record;
        c.score = static_cast<int>(CandidateScore(candidates.FieldInt("fs"),
                                                  candidates.FieldInt("bh"), state.AffixBh));
        NameAppeal appeal = AppealOf(book, SplitChars(zi));
        c.appeal = appeal.points;
        c.pinyin = std::move(appeal.pinyin);
        c.note = std::move(appeal.note);
        state.ranking.push_back(std::move(c));
    }
    std::stable_sort(state.ranking.begin(), state.ranking.end(),
                     [](const RankedCandidate& a, const RankedCandidate& b) {
                         if (a.score != b.score)
                             return a.score > b.score;
                         return a.appeal > b.appeal;
                     });
    state.ranked = true;
}

// The next page: indexes into the ranking, best first, with variety.
std::vector<std::size_t> NextPage(QueryObject& candidates, const GenerationState& state) {
    std::vector<std::vector<std::string>> chars(state.ranking.size());
    std::map<std::string, std::size_t> everywhere;
    std::size_t left = 0;
    for (std::size_t i = 0; i < state.ranking.size(); ++i) {
        if (state.ranking[i].shown)
            continue;
        ++left;
        candidates.MoveTo(state.ranking[i].record);
        chars[i] = SplitChars(candidates.FieldText("zi"));
        for (const std::string& c : std::set<std::string>(chars[i].begin(), chars[i].end()))
            ++everywhere[c];
    }
    std::vector<std::size_t> page;
    std::vector<std::size_t> held;  // passed over for variety, in rank order
    std::map<std::string, int> used;
    for (std::size_t i = 0; i < state.ranking.size() && page.size() < kCandidateRows; ++i) {
        if (state.ranking[i].shown)
            continue;
        const bool crowded = std::any_of(chars[i].begin(), chars[i].end(), [&](const auto& c) {
            return everywhere[c] < left && used[c] >= kCharacterPerPage;
        });
        if (crowded) {
            held.push_back(i);
            continue;
        }
        for (const std::string& c : chars[i])
            ++used[c];
        page.push_back(i);
    }
    for (std::size_t i : held) {
        if (page.size() >= kCandidateRows)
            break;
        page.push_back(i);
    }
    std::sort(page.begin(), page.end());
    return page;
}

}  // namespace

bool ShowCandidates(QueryObject& candidates, GenerationState& state, const std::string& prefix,
                    const std::string& suffix, ResultGrid& grid) {
    if (!candidates.IsOpen())
        return false;
    grid.ClearResultGrid();
    if (!state.ranked)
        RankCandidates(candidates, state);
    int r = 0;
    for (std::size_t i : NextPage(candidates, state)) {
        RankedCandidate& c = state.ranking[i];
        c.shown = true;
        ++r;
        candidates.MoveTo(c.record);
        const std::string zi = candidates.FieldText("zi");
        const long long bh = candidates.FieldInt("bh");
        grid.SetCell(r, kColNumber, std::to_string(r));
        grid.SetCell(r, kColBrandName, prefix + zi + suffix);
        grid.SetCell(r, kColTraditional,
                     state.NameBeginFt + candidates.FieldText("ft") + state.NameEndFt);
        grid.SetCell(r, kColTotalStrokes, std::to_string(bh + state.AffixBh));
        grid.SetCell(r, kColMainName, zi);
        grid.SetCell(r, kColMainElements, candidates.FieldText("wuhang"));
        grid.SetCell(r, kColMainStrokes, std::to_string(bh));
        grid.SetCell(r, kColSuffixStrokes, std::to_string(state.NameEndBh));
        grid.SetCell(r, kColScore, std::to_string(c.score));
        grid.SetCell(r, kColPinyin, c.pinyin);
        grid.SetCell(r, kColAppeal, std::to_string(c.appeal));
        grid.SetCell(r, kColMeaning, c.note);
    }
    return std::any_of(state.ranking.begin(), state.ranking.end(),
                       [](const RankedCandidate& c) { return !c.shown; });
}

}  // namespace quillora
