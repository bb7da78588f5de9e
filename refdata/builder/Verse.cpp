// "Parvello.dll": the sentences of classical verse a name's source is taken
// from (verse) and, for every two characters that occur in this order in one
// line of verse (one clause of a sentence), the sentence that holds them
// (verse_pair). A name's source is then one lookup on the pair's key instead
// of a scan of thirty thousand sentences.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "Builder.h"
#include "common/Text.h"
#include "data/Statements.h"

namespace quillora::refdata {

namespace {

// The ideographs of a row in order, each with the clause (the line of
// verse) it stands in; punctuation separates the clauses.
struct Ideograph {
    char32_t cp;
    int clause;
};
std::vector<Ideograph> IdeographsOf(const std::string& line) {
    std::vector<Ideograph> out;
    int clause = 0;
    std::size_t pos = 0;
    while (pos < line.size()) {
        const char32_t cp = NextCodePoint(line, pos);
        if (IsCjkIdeograph(cp)) {
            out.push_back({cp, clause});
        } else {
            ++clause;
        }
    }
    return out;
}

// How close two characters of one line of verse stand: 0 side by side, 1
// apart. A pair's source is the first line where they stand closest, so 明月
// cites a line that says 明月 before one that merely holds both.
long long GapOf(std::size_t i, std::size_t j) {
    return j == i + 1 ? 0 : 1;
}

// A pair as one number, ordered as its UTF-8 text is (UTF-8 keeps the order
// of code points), so sorted pairs go into the table in key order.
std::uint64_t PairKey(char32_t first, char32_t second) {
    return (static_cast<std::uint64_t>(first) << 21) | second;
}

std::string PairText(std::uint64_t key) {
    return Utf8Of(static_cast<char32_t>(key >> 21)) +
           Utf8Of(static_cast<char32_t>(key & ((1u << 21) - 1)));
}

// Lines every build must find for their pair: a known line of each
// collection, so a generator run that lost one fails here.
struct KnownLine {
    const char* pair;
    const char* lineStart;
};
constexpr KnownLine kKnownLines[] = {
    {"关雎", "关关雎鸠"},         {"淑女", "窈窕淑女"},   {"修远", "路漫漫其修远兮"},
    {"时习", "子曰：学而时习之"}, {"把酒", "开筵面场圃"},
};

std::string WithOrdinaryMiddleDots(std::string text) {
    static const std::string kKatakanaDot = "\u30FB", kMiddleDot = "\u00B7";
    for (std::size_t at = text.find(kKatakanaDot); at != std::string::npos;
         at = text.find(kKatakanaDot, at + kMiddleDot.size())) {
        text.replace(at, kKatakanaDot.size(), kMiddleDot);
    }
    return text;
}

}  // namespace

void FillVerse(BuildDb& db, const BuildContext& ctx) {
    const Tsv tsv = ReadTsv(ctx.sourceDir / "verse" / "verse.tsv");
    const int cLine = tsv.Column("line"), cTitle = tsv.Column("title"),
              cAuthor = tsv.Column("author"), cSource = tsv.Column("source");
    const std::set<std::string> sources = {"诗经", "楚辞", "论语", "唐诗", "宋词"};
    for (const char* sql : sql::build::kVerseTables)
        db.Exec(sql);

    // Every pair of every line with its standing and the line's number
    // (gap << 32 | line); sorted, the first entry of a pair is its source.
    std::vector<std::pair<std::uint64_t, long long>> pairs;
    std::vector<std::string> lines;
    std::size_t unwritable = 0;
    {
        BuildDb::Inserter insert(db, sql::build::kInsertVerse);
        long long id = 0;
        for (const auto& row : tsv.rows) {
            const std::string& line = row.at(cLine);
            if (!sources.count(row.at(cSource)))
                BuildFailure("verse.tsv: unknown collection '" + row.at(cSource) + "'");
            if (line.empty() || !IsValidUtf8(line))
                BuildFailure("verse.tsv: line " + std::to_string(id + 1) + " is not text");
            // A source the program shows also goes into the GBK text exports:
            // a title's katakana middle dot becomes the ordinary one, and a
            // sentence holding a character GBK cannot write (a rare
            // ideograph) is left out.
            const std::string title = WithOrdinaryMiddleDots(row.at(cTitle));
            if (!IsGbkEncodable(line) || !IsGbkEncodable(title) ||
                !IsGbkEncodable(row.at(cAuthor))) {
                ++unwritable;
                continue;
            }
            insert.Row({++id, line, title, row.at(cAuthor), row.at(cSource)});
            lines.push_back(line);
            const std::vector<Ideograph> chars = IdeographsOf(line);
            // A line of verse is one clause of the row's sentence: two
            // characters on either side of a comma share no line.
            for (std::size_t i = 0; i < chars.size(); ++i) {
                for (std::size_t j = i + 1; j < chars.size() && chars[j].clause == chars[i].clause;
                     ++j) {
                    pairs.emplace_back(PairKey(chars[i].cp, chars[j].cp), GapOf(i, j) << 32 | id);
                }
            }
        }
    }
    std::sort(pairs.begin(), pairs.end());
    pairs.erase(std::unique(pairs.begin(), pairs.end(),
                            [](const auto& a, const auto& b) { return a.first == b.first; }),
                pairs.end());

    const auto lineOf = [](long long rank) { return rank & 0xFFFFFFFFLL; };
    for (const KnownLine& known : kKnownLines) {
        const std::vector<Ideograph> chars = IdeographsOf(known.pair);
        const std::uint64_t key = PairKey(chars.at(0).cp, chars.at(1).cp);
        const auto it = std::lower_bound(pairs.begin(), pairs.end(), std::make_pair(key, 0LL));
        if (it == pairs.end() || it->first != key ||
            lines.at(static_cast<std::size_t>(lineOf(it->second) - 1)).rfind(known.lineStart, 0) !=
                0) {
            BuildFailure(std::string("verse.tsv: ") + known.pair + " does not lead to " +
                         known.lineStart);
        }
    }

    BuildDb::Inserter insert(db, sql::build::kInsertVersePair);
    for (const auto& [key, rank] : pairs)
        insert.Row({PairText(key), lineOf(rank), rank >> 32});
    std::printf("  verse: %zu lines (%zu left out: not GBK), %zu pairs\n", lines.size(), unwritable,
                pairs.size());
}

}  // namespace quillora::refdata
