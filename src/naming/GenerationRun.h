// One generation run ("马上起名"): the birth-data checks, the elements the
// legal person's chart lacks, the suffix and prefix, the element filter, the
// fixed-character check, and the chosen statement opened on the generation
// query object. The window and the command line both run it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "bazi/BirthRecord.h"
#include "data/QueryObject.h"
#include "naming/Generation.h"

namespace quillora {

// The entries of the generation page.
struct GenerationRequest {
    BirthEntries person;  // the legal person's input group
    int lengthIndex = 0;  // the name length entry: 0 "二字名", 1 "三字名", 2 "四字名"
    FixedFields fixed;    // the fixed characters by position, as typed
    std::string suffix;   // the industry suffix, as typed
    std::string prefix;   // the prefix, as typed
    std::string exclude;  // characters never to use (排除字), as typed
    std::string prefer;   // characters to prefer (偏好字), as typed

    int Length() const { return lengthIndex + kMinNameLength; }
};

// The characters the user never wants (排除字) and prefers (偏好字), kept
// between sessions as settings lines in the user's settings folder, beside the
// remembered legal person (a file of its own, so that forgetting the person
// keeps them).
struct CharacterChoice {
    std::string exclude;
    std::string prefer;
};
std::string CharacterChoiceFile();  // "" when there is no settings folder
std::string FormatCharacterChoice(const CharacterChoice& choice);
CharacterChoice ParseCharacterChoice(const std::string& text);

// The items of the name length entry.
extern const char* const NameLengthItems[3];

// How the preparation ended.
enum class GenerationStop {
    None,             // a statement is ready
    BirthCheck,       // a birth-data check failed: issue (caption "提示")
    FixedCharacters,  // every field read is filled: notice (caption "信息提示")
};

struct PreparedGeneration {
    GenerationStop stop = GenerationStop::None;
    BirthIssue issue;
    std::string notice;
    std::optional<BirthRecord> record;  // when the birth-data checks passed
    const GenerationStatement* statement = nullptr;
    std::string sql;  // the statement, wrapped with the element filter
    std::vector<SqlParam> keys;
};

// Builds the chart of the record and sets state.MissingWuhang to the elements
// that do not occur in it. Returns false (state untouched) when no chart can
// be built for the record.
bool FindMissingWuhang(const BirthRecord& record, GenerationState& state);

// Everything of a run before the candidates are read: reads the birth data,
// finds the elements the chart lacks, takes the strokes and traditional forms
// of the suffix and prefix (on `strokes`, table word of "Parvello.dll"),
// keeps the lacking elements the length allows as the element filter, stops
// when every position is fixed, and otherwise chooses the statement, its keys
// and its element conditions. The generation state is rewritten once the
// birth-data checks pass, also when the run then stops at the
// fixed-character check. Conversion and database errors throw.
PreparedGeneration PrepareGeneration(const GenerationRequest& request, GenerationState& state,
                                     QueryObject& strokes);

// Reads the candidates: closes the generation query object, gives it the
// connection of "Parvello.dll" again, opens the prepared statement and drops
// the ranking of the previous result. Returns whether "继续显示" is to be
// enabled: the result holds more than 200 rows.
bool OpenGeneration(const PreparedGeneration& prepared, QueryObject& candidates,
                    GenerationState& state);

// Why a run found no candidate, in one message that says what to change: a
// fixed character the dictionary lacks, one outside 1..30 strokes (no stroke
// pattern holds it), or lacking elements that the fixed characters leave to
// fewer free positions than there are elements to supply; otherwise that no
// drawn combination matched a stroke pattern and the lacking elements (and,
// with characters excluded, that fewer exclusions may help).
std::string EmptyGridReason(const GenerationRequest& request, const GenerationState& state,
                            QueryObject& strokes);

}  // namespace quillora
