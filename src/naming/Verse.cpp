#include "naming/Verse.h"

#include "common/Text.h"
#include "data/QueryObject.h"
#include "data/Statements.h"

namespace quillora {

std::optional<VerseLine> VerseOfPair(QueryObject& names, std::string_view first,
                                     std::string_view second) {
    names.Close();
    names.SetStatement(sql::kVerseOfPair, {std::string(first) + std::string(second)});
    names.Open();
    if (names.RecordCount() == 0) {
        names.Close();
        return std::nullopt;
    }
    VerseLine verse{names.FieldText(0), names.FieldText(1), names.FieldText(2), names.FieldText(3),
                    static_cast<int>(names.FieldInt(4))};
    names.Close();
    return verse;
}

std::string VerseCitation(const VerseLine& verse) {
    if (verse.author.empty())
        return verse.line + "——《" + verse.source + "·" + verse.title + "》";
    return verse.line + "——" + verse.author + "《" + verse.title + "》";
}

std::vector<std::string> NameParts(std::string_view name) {
    const std::vector<std::string> chars = SplitChars(name);
    std::vector<std::string> parts;
    for (std::size_t start : {0, 1}) {
        for (std::size_t i = start; i + 1 < chars.size(); i += 2)
            parts.push_back(chars[i] + chars[i + 1]);
    }
    return parts;
}

std::vector<NameVerse> NameVerses(QueryObject& names, std::string_view name) {
    std::vector<NameVerse> out;
    for (const std::string& part : NameParts(name)) {
        const std::vector<std::string> chars = SplitChars(part);
        if (std::optional<VerseLine> verse = VerseOfPair(names, chars[0], chars[1]))
            out.push_back({part, std::move(*verse)});
    }
    return out;
}

std::string VerseCell(const std::vector<NameVerse>& verses, std::string_view name) {
    if (verses.empty())
        return {};
    const NameVerse& first = verses.front();
    const std::string citation = VerseCitation(first.verse);
    return first.part == name ? citation : first.part + "：" + citation;
}

std::vector<std::string> VerseLines(const std::vector<NameVerse>& verses) {
    if (verses.empty())
        return {"【出处】：诗经、楚辞、论语、唐诗、宋词中未见两字同句。"};
    std::vector<std::string> lines = {"【出处】："};
    for (const NameVerse& v : verses)
        lines.push_back(v.part + "：" + VerseCitation(v.verse));
    return lines;
}

}  // namespace quillora
