#include "naming/Generation.h"

#include <stdexcept>

#include "calendar/FiveElement.h"
#include "common/Text.h"
#include "data/Statements.h"

namespace quillora {

namespace {

constexpr unsigned P1 = 1u, P2 = 2u, P3 = 4u, P4 = 8u;

int FieldsRead(int length) {
    if (length < kMinNameLength || length > kMaxNameLength) {
        throw std::invalid_argument("name length must be 2, 3 or 4");
    }
    return length;
}

}  // namespace

const std::vector<GenerationStatement>& GenerationStatements() {
    static const std::vector<GenerationStatement> kAll = {
        {"G2-1", 2, 0, sql::kGen2_1},
        {"G2-2", 2, P1, sql::kGen2_2},
        {"G2-3", 2, P2, sql::kGen2_3},
        {"G3-1", 3, 0, sql::kGen3_1},
        {"G3-2", 3, P1, sql::kGen3_2},
        {"G3-3", 3, P2, sql::kGen3_3},
        {"G3-4", 3, P3, sql::kGen3_4},
        {"G3-5", 3, P1 | P2, sql::kGen3_5},
        {"G3-6", 3, P1 | P3, sql::kGen3_6},
        {"G3-7", 3, P2 | P3, sql::kGen3_7},
        {"G4-1", 4, 0, sql::kGen4_1},
        {"G4-2", 4, P1, sql::kGen4_2},
        {"G4-3", 4, P2, sql::kGen4_3},
        {"G4-4", 4, P3, sql::kGen4_4},
        {"G4-5", 4, P4, sql::kGen4_5},
        {"G4-6", 4, P1 | P2, sql::kGen4_6},
        {"G4-7", 4, P1 | P3, sql::kGen4_7},
        {"G4-8", 4, P1 | P4, sql::kGen4_8},
        {"G4-9", 4, P2 | P3, sql::kGen4_9},
        {"G4-10", 4, P3 | P4, sql::kGen4_10},
        {"G4-11", 4, P2 | P4, sql::kGen4_11},
        {"G4-12", 4, P1 | P2 | P3, sql::kGen4_12},
        {"G4-13", 4, P1 | P2 | P4, sql::kGen4_13},
        {"G4-14", 4, P1 | P3 | P4, sql::kGen4_14},
        {"G4-15", 4, P2 | P3 | P4, sql::kGen4_15},
    };
    return kAll;
}

const GenerationStatement* FindGenerationStatement(const std::string& label) {
    for (const GenerationStatement& s : GenerationStatements()) {
        if (label == s.label)
            return &s;
    }
    return nullptr;
}

unsigned FilledFixedMask(int length, const FixedFields& fixed) {
    const int n = FieldsRead(length);
    unsigned mask = 0;
    for (int i = 0; i < n; ++i) {
        if (!Trim(fixed[i]).empty())
            mask |= 1u << i;
    }
    return mask;
}

std::optional<std::string> FixedCharacterMessage(int length, const FixedFields& fixed) {
    const unsigned all = (1u << FieldsRead(length)) - 1;
    if (FilledFixedMask(length, fixed) != all)
        return std::nullopt;
    switch (length) {
        case 2:
            return std::string("二字名不能同时固定两个字！");
        case 3:
            return std::string("三字名不能同时固定三个字！");
        default:
            return std::string("四字名不能同时固定四个字！");
    }
}

const GenerationStatement& ChooseGenerationStatement(int length, const FixedFields& fixed) {
    if (FixedCharacterMessage(length, fixed)) {
        throw std::invalid_argument("every fixed position of the name is filled");
    }
    unsigned mask = FilledFixedMask(length, fixed);
    // Two characters: a filled first field decides alone.
    if (length == 2 && (mask & P1) != 0)
        mask = P1;
    for (const GenerationStatement& s : GenerationStatements()) {
        if (s.length == length && s.fixedMask == mask)
            return s;
    }
    throw std::logic_error("no generation statement for the filled fields");
}

std::vector<SqlParam> GenerationKeys(const GenerationStatement& statement, const FixedFields& fixed,
                                     const std::string& exclude, const std::string& prefer) {
    std::vector<SqlParam> keys = {exclude, prefer};
    for (int i = 0; i < kFixedFields; ++i) {
        if ((statement.fixedMask & (1u << i)) != 0)
            keys.emplace_back(Trim(fixed[i]));
    }
    return keys;
}

ElementFilterResult ElementFilter(const std::string& missingWuhang, int length) {
    ElementFilterResult r;
    if (missingWuhang.empty())
        return r;
    // Keep the first `length` element names (two bytes each in GBK, one
    // character each here).
    r.kept = Trim(LeftChars(missingWuhang, static_cast<std::size_t>(FieldsRead(length))));
    for (const std::string_view e : ElementNames) {
        if (r.kept.find(e) != std::string::npos) {
            r.filter += std::string(sql::kGenElementHead) + std::string(e) + sql::kGenElementTail;
        }
    }
    return r;
}

std::string WrapWithElementFilter(const std::string& sql, const std::string& filter) {
    if (filter.empty())
        return sql;
    return std::string(sql::kGenFilterHead) + sql + sql::kGenFilterTail + filter;
}

std::string NameTraditional(const std::string& text, QueryObject& words) {
    std::string out;
    for (const std::string& piece : SplitChars(text)) {
        words.Close();
        words.SetStatement(sql::kWordTraditional, {piece});
        words.Open();
        if (words.RecordCount() == 0)
            continue;
        out += LeftChars(Trim(words.FieldText(0)), 1);
    }
    return out;
}

}  // namespace quillora
