// Candidate-name generation: the generation state of the main window, the
// choice of the generation statement by name length and fixed positions, the
// element filter, and the traditional form of a text.
//
// A main name (主体名称) is the generated characters alone; the brand name
// (品牌商标名称) is prefix + main name + suffix.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "data/QueryObject.h"

namespace quillora {

inline constexpr int kMinNameLength = 2;
inline constexpr int kMaxNameLength = 4;
inline constexpr int kFixedFields = 4;  // one per position of a four-character name

// Texts of the four fixed-character fields, first position first, as typed.
using FixedFields = std::array<std::string, kFixedFields>;

// One candidate of a run's ranking: the record of the open result, its
// 总体评分 and its appeal.
struct RankedCandidate {
    int record = 0;
    std::vector<std::string> characters;  // of the main name
    int score = 0;
    int appeal = 0;
    int together = 0;  // how the name reads (Reading of naming/Appeal.h)
    std::string pinyin;
    std::string note;
    bool preferred = false;  // holds a character the user prefers
    bool shown = false;
};

// The generation state, fields of the main window. Rewritten by every run that
// passes the birth-data checks; read whenever the results grid is filled.
struct GenerationState {
    std::string MissingWuhang;  // lacking elements, 金木水火土 order, cut to the length
    std::string WuhangFilter;   // conditions appended to the statement; "" = none
    long long NameEndBh = 0;    // strokes of the trimmed suffix
    long long AffixBh = 0;      // strokes of the trimmed suffix and prefix together
    std::string NameBeginFt;    // traditional form of the trimmed prefix
    std::string NameEndFt;      // traditional form of the trimmed suffix
    std::string Preferred;      // the characters to prefer (偏好字), ranked first
    // The candidates of the open result, best first (one per name), ranked
    // when its first page is shown; cleared when a run opens a new result.
    std::vector<RankedCandidate> ranking;
    bool ranked = false;
};

// One generation statement of the catalogue.
struct GenerationStatement {
    const char* label;   // "G2-1" ... "G4-15"
    int length;          // name length in characters
    unsigned fixedMask;  // bit i set: position i + 1 is fixed
    const char* sql;     // one "?" per fixed position, in position order
};

// All 25 statements, in catalogue order.
const std::vector<GenerationStatement>& GenerationStatements();

// The statement whose label is given; nullptr when there is none.
const GenerationStatement* FindGenerationStatement(const std::string& label);

// The fixed-field mask of a name length: bit i set when field i + 1 is read
// for that length and its trimmed text is not empty.
unsigned FilledFixedMask(int length, const FixedFields& fixed);

// The message (under the caption "信息提示") when every field read for the
// length is filled, e.g. "二字名不能同时固定两个字！"; nullopt otherwise.
std::optional<std::string> FixedCharacterMessage(int length, const FixedFields& fixed);

// The statement for the length and the filled fields. For two characters a
// filled first field takes G2-2 and otherwise a filled second field G2-3; for
// three and four the statement whose fixed positions are exactly the filled fields.
// Throws std::invalid_argument for a length outside 2..4 or when every field
// is filled (the run stops with FixedCharacterMessage before that).
const GenerationStatement& ChooseGenerationStatement(int length, const FixedFields& fixed);

// The bound keys of a statement: the characters never to use and the
// characters to prefer (each as typed, "" for none), then the trimmed texts of
// the fixed fields, in position order.
std::vector<SqlParam> GenerationKeys(const GenerationStatement& statement, const FixedFields& fixed,
                                     const std::string& exclude = {},
                                     const std::string& prefer = {});

// The element filter of a run: the missing elements kept for the length (the
// first two, three or four) and the conditions they add.
struct ElementFilterResult {
    std::string kept;    // the new MissingWuhang
    std::string filter;  // the new WuhangFilter
};
ElementFilterResult ElementFilter(const std::string& missingWuhang, int length);

// The statement with the element conditions applied to its result; the
// statement itself when the filter is empty.
std::string WrapWithElementFilter(const std::string& sql, const std::string& filter);

// Traditional form of a text: each character is looked up in table word on
// the given query object ("Parvello.dll") and contributes the first character
// of its trimmed ft; a character that word lacks contributes nothing.
std::string NameTraditional(const std::string& text, QueryObject& words);

}  // namespace quillora
