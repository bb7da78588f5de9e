// Classical sources (出处) of a name: a line of 诗经, 楚辞, 论语, 唐诗 or 宋词
// in which two characters of the name occur in order, with its title and
// author. A line is one clause; the source shows the sentence it stands in
// (关关雎鸠，在河之洲。). The sentences and, for every ordered pair of
// characters, the sentence that holds it are tables of "Parvello.dll"
// (verse, verse_pair); a lookup is one indexed read keyed by the two
// characters.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillora {

class QueryObject;

struct VerseLine {
    std::string line;    // the sentence with its punctuation: "关关雎鸠，在河之洲。"
    std::string title;   // "周南·关雎", "静夜思", "水调歌头"
    std::string author;  // "" for 诗经 and 论语
    std::string source;  // "诗经", "楚辞", "论语", "唐诗" or "宋词"
    int gap = 0;         // the two characters stand 0 side by side, 1 apart in one line
};

// A line in which `first` occurs and `second` later: of the lines where the
// two stand closest, the first (the anthologies before the complete works);
// nullopt when there is none. Each of the two is one character.
std::optional<VerseLine> VerseOfPair(QueryObject& names, std::string_view first,
                                     std::string_view second);

// "关关雎鸠，在河之洲。——《诗经·周南·关雎》", or with an author
// "床前明月光，疑是地上霜。——李白《静夜思》".
std::string VerseCitation(const VerseLine& verse);

// One two-character part of a name with its source.
struct NameVerse {
    std::string part;  // "关雎"
    VerseLine verse;
};

// The two-character parts of a name: each two neighbouring characters, the
// parts that halve the name first (a four-character name: 1-2, 3-4, then
// 2-3; three characters: 1-2, 2-3).
std::vector<std::string> NameParts(std::string_view name);

// The parts of a name that have a source, in the order of NameParts.
std::vector<NameVerse> NameVerses(QueryObject& names, std::string_view name);

// One line for a table cell: the first part's citation, led by the part
// when the name is longer than it ("雎鸠：关关雎鸠……"); "" without a source.
std::string VerseCell(const std::vector<NameVerse>& verses, std::string_view name);

// The report's block: "【出处】" and one line per part with a source, or a
// line saying none was found.
std::vector<std::string> VerseLines(const std::vector<NameVerse>& verses);

}  // namespace quillora
