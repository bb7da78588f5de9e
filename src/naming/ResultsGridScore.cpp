// Scoring and ranking the candidates of a generation result and filling the
// results grid page by page.
#include <algorithm>
#include <functional>
#include <map>
#include <unordered_map>
#include <unordered_set>
#include <utility>

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

// A character may fill at most this many rows of one page for every two
// characters of the name, rounded down (3, 4 and 6 rows for names of two,
// three and four characters).
constexpr int kCharacterPerPage = 3;
// The names that read whole may take a character into this many times as
// many rows (18, 24 and 36 for names of two, three and four characters).
constexpr int kWholeRounds = 6;

// The appeal tier of a candidate: 3 from 90 points (two favoured characters
// that read together as a name part or a pair of verse), 2 from 80 (two
// favoured characters, or one and such a pair), 1 from 70 (one favoured
// character or such a pair), else 0. The tier comes before 总体评分 in the
// ranking: every kept stroke pattern already scores well, and a name that
// reads as a brand matters more than a point of numerology.
int AppealTier(int appeal) {
    return appeal >= 90 ? 3 : appeal >= 80 ? 2 : appeal >= 70 ? 1 : 0;
}

// Whether a text of characters (a candidate's name, a character) holds a
// character the user prefers.
bool HoldsPreferred(const std::string& text, const std::string& preferred) {
    const std::vector<std::string> characters = SplitChars(text);
    return std::any_of(characters.begin(), characters.end(), [&](const std::string& ch) {
        return preferred.find(ch) != std::string::npos;
    });
}

// Ranks the records of the result: the names holding a preferred character
// first, then by how the name reads (Reading: whole from name parts and
// shop-name characters, whole with verse, a name part, a pair of verse,
// apart: a random pair of fine characters seldom reads as a name), then by
// appeal tier, then 总体评分, then appeal, then the result's (drawn) order; a
// name that occurs twice counts once.
void RankCandidates(QueryObject& candidates, GenerationState& state) {
    AppealBook book(candidates.Connection());
    std::unordered_set<std::string> names;
    const int total = candidates.RecordCount();
    state.ranking.reserve(static_cast<std::size_t>(total));
    for (int record = 1; record <= total; ++record) {
        candidates.MoveTo(record);
        std::string zi = candidates.FieldText("zi");
        if (!names.insert(zi).second)
            continue;
        RankedCandidate c;
        c.record = record;
        c.score = static_cast<int>(
            CandidateScore(candidates.FieldInt("fs"), candidates.FieldInt("bh"), state.AffixBh));
        c.characters = SplitChars(zi);
        NameAppeal appeal = AppealOf(book, c.characters);
        c.appeal = appeal.points;
        c.together = appeal.together;
        c.pinyin = std::move(appeal.pinyin);
        c.note = std::move(appeal.note);
        c.preferred = HoldsPreferred(zi, state.Preferred);
        state.ranking.push_back(std::move(c));
    }
    std::stable_sort(state.ranking.begin(), state.ranking.end(),
                     [](const RankedCandidate& a, const RankedCandidate& b) {
                         if (a.preferred != b.preferred)
                             return a.preferred;
                         if (a.together != b.together)
                             return a.together > b.together;
                         const int ta = AppealTier(a.appeal), tb = AppealTier(b.appeal);
                         if (ta != tb)
                             return ta > tb;
                         if (a.score != b.score)
                             return a.score > b.score;
                         return a.appeal > b.appeal;
                     });
    state.ranked = true;
}

// What the variety of a page counts in a candidate, each once: its
// characters, except that the word closing a four-character company name
// (伟业 of 华瑞伟业) counts as one, so that the few closes each take rows as a
// character does and the fronts before them make the variety.
std::vector<std::string> Units(const RankedCandidate& c) {
    std::vector<std::string> units = c.characters;
    if (c.together == kShopName && units.size() == 4) {
        units[2] += units[3];
        units.pop_back();
    }
    std::vector<std::string> out;
    for (const std::string& u : units) {
        if (std::find(out.begin(), out.end(), u) == out.end())
            out.push_back(u);
    }
    return out;
}

// The next page: indexes into the ranking, best first, with variety (a
// preferred character may fill any number of rows). Names that read whole
// come first, best reading first: the names of one reading take the page in
// rank order within the limit per character, then the ones passed over in
// rounds of twice and three times the limit; the ones still passed over then
// take rounds of four to six times the limit; only then do the other names
// follow, within the limit. The rows still passed over fill the rest of the
// page in rounds that each let a character take a few more rows, so that no
// one character or name part takes the rest of the page when few characters
// fit.
std::vector<std::size_t> NextPage(const GenerationState& state) {
    // The units of each row not yet shown, worked out once for every round.
    std::vector<std::vector<std::string>> units(state.ranking.size());
    std::unordered_map<std::string, std::size_t> everywhere;
    std::size_t left = 0;
    for (std::size_t i = 0; i < state.ranking.size(); ++i) {
        if (state.ranking[i].shown)
            continue;
        ++left;
        units[i] = Units(state.ranking[i]);
        for (const std::string& u : units[i])
            ++everywhere[u];
    }
    std::vector<std::size_t> page;
    std::unordered_map<std::string, int> used;
    // Takes the rows of `rows` in order that no character beyond `cap` rows
    // crowds, and returns the others.
    auto take = [&](const std::vector<std::size_t>& rows, int cap) {
        std::vector<std::size_t> held;
        for (std::size_t i : rows) {
            const std::vector<std::string>& row = units[i];
            const bool crowded = std::any_of(row.begin(), row.end(), [&](const std::string& u) {
                return everywhere[u] < left && used[u] >= cap &&
                       !HoldsPreferred(u, state.Preferred);
            });
            if (crowded || page.size() >= kCandidateRows) {
                held.push_back(i);
                continue;
            }
            for (const std::string& u : row)
                ++used[u];
            page.push_back(i);
        }
        return held;
    };
    // The unshown rows by how they read, best first (the ranking's order
    // within each); the names holding a preferred character before all.
    std::map<std::pair<bool, int>, std::vector<std::size_t>, std::greater<>> byReading;
    for (std::size_t i = 0; i < state.ranking.size(); ++i) {
        const RankedCandidate& c = state.ranking[i];
        if (!c.shown)
            byReading[{c.preferred, c.together >= kWholeWithVerse ? c.together : 0}].push_back(i);
    }
    const int length =
        state.ranking.empty() ? 2 : static_cast<int>(state.ranking.front().characters.size());
    const int per = std::max(kCharacterPerPage, kCharacterPerPage * length / 2);
    std::vector<std::size_t> held;
    for (const auto& [group, rows] : byReading) {
        // The names that read whole and were passed over take more rows
        // before any name that does not: one that reads apart seldom reads
        // as a name at all.
        if (group.second == 0 && !held.empty()) {
            std::sort(held.begin(), held.end());
            for (int cap = 4 * per; cap <= kWholeRounds * per; cap += per)
                held = take(held, cap);
        }
        const std::vector<std::size_t> passed =
            group.second == 0 ? take(rows, per) : take(take(take(rows, per), 2 * per), 3 * per);
        held.insert(held.end(), passed.begin(), passed.end());
    }
    std::sort(held.begin(), held.end());
    for (int cap = 2 * per; page.size() < kCandidateRows && !held.empty(); cap += per)
        held = take(held, cap);
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
    for (std::size_t i : NextPage(state)) {
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
    QueryObject names(candidates.Connection(), kCharLookupTimeout);
    WriteSourceColumns(names, prefix, suffix, grid);
    return std::any_of(state.ranking.begin(), state.ranking.end(),
                       [](const RankedCandidate& c) { return !c.shown; });
}

}  // namespace quillora
