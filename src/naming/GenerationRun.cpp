#include "naming/GenerationRun.h"

#include <stdexcept>

#include "bazi/ChartSummary.h"
#include "common/Text.h"
#include "common/UserFiles.h"
#include "data/Database.h"
#include "naming/NameAnalysis.h"
#include "naming/ResultsGrid.h"

namespace quillora {

const char* const NameLengthItems[3] = {"二字名", "三字名", "四字名"};

std::string CharacterChoiceFile() {
    return UserConfigFile("characters.conf");
}

std::string FormatCharacterChoice(const CharacterChoice& choice) {
    return FormatSettings({{"exclude", choice.exclude}, {"prefer", choice.prefer}});
}

CharacterChoice ParseCharacterChoice(const std::string& text) {
    Settings s = ParseSettings(text);
    return {s["exclude"], s["prefer"]};
}

bool FindMissingWuhang(const BirthRecord& record, GenerationState& state) {
    const std::optional<FourPillarsChart> chart = BuildChartOf(record);
    if (!chart)
        return false;
    state.MissingWuhang = MissingElements(ChartElementsText(*chart));
    return true;
}

PreparedGeneration PrepareGeneration(const GenerationRequest& request, GenerationState& state,
                                     QueryObject& strokes) {
    PreparedGeneration out;
    const int length = request.Length();
    if (length < kMinNameLength || length > kMaxNameLength) {
        throw std::invalid_argument("name length must be 2, 3 or 4");
    }

    // The birth data of the legal person.
    state.MissingWuhang.clear();
    BirthReadOptions options;
    options.requireName = true;
    BirthReadResult read = ReadBirthRecord(request.person, options);
    if (!read) {
        out.stop = GenerationStop::BirthCheck;
        out.issue = read.issue;
        return out;
    }
    out.record = read.record;

    // The elements the chart lacks.
    if (!FindMissingWuhang(*out.record, state)) {
        out.stop = GenerationStop::BirthCheck;
        out.issue = BirthIssue{kChartDateMessage, BirthField::None};
        return out;
    }

    state.Preferred = request.prefer;

    // Suffix and prefix: strokes and traditional forms.
    const std::string suffix = Trim(request.suffix);
    const std::string prefix = Trim(request.prefix);
    state.NameEndBh = suffix.empty() ? 0 : StrokeCount(strokes, suffix);
    state.NameEndFt = suffix.empty() ? std::string() : NameTraditional(suffix, strokes);
    state.NameBeginFt = prefix.empty() ? std::string() : NameTraditional(prefix, strokes);
    const std::string affix = suffix + prefix;
    state.AffixBh = affix.empty() ? 0 : StrokeCount(strokes, affix);

    // The element filter.
    const ElementFilterResult filter = ElementFilter(state.MissingWuhang, length);
    state.MissingWuhang = filter.kept;
    state.WuhangFilter = filter.filter;

    // Every position fixed leaves nothing to generate.
    if (std::optional<std::string> notice = FixedCharacterMessage(length, request.fixed)) {
        out.stop = GenerationStop::FixedCharacters;
        out.notice = *notice;
        return out;
    }

    // The statement, its keys and the element conditions.
    out.statement = &ChooseGenerationStatement(length, request.fixed);
    out.keys = GenerationKeys(*out.statement, request.fixed, request.exclude, request.prefer);
    out.sql = WrapWithElementFilter(out.statement->sql, state.WuhangFilter);
    return out;
}

bool OpenGeneration(const PreparedGeneration& prepared, QueryObject& candidates,
                    GenerationState& state) {
    state.ranking.clear();
    state.ranked = false;
    candidates.Close();
    candidates.SetConnection(DbConnectionString(kParvelloFile));
    candidates.SetTimeout(kGenerationTimeout);
    candidates.SetStatement(prepared.sql, prepared.keys);
    candidates.Open();
    return candidates.RecordCount() > kCandidateRows;
}

std::string EmptyGridReason(const GenerationRequest& request, const GenerationState& state,
                            QueryObject& strokes) {
    const int length = request.Length();
    std::vector<std::string> fixed;
    std::string supplied;
    for (int i = 0; i < length && i < kFixedFields; ++i) {
        const std::string c = Trim(request.fixed[i]);
        if (c.empty())
            continue;
        fixed.push_back(c);
        const std::string element = WordElement(strokes, c);
        if (element.empty())
            return "固定字“" + c + "”不在字库中，无法起名，请换一个字。";
        const int bh = StrokeCount(strokes, c);
        if (bh < 1 || bh > 30) {
            return "固定字“" + c + "”为" + std::to_string(bh) +
                   "画，取名的笔画格局只收1至30画的字，请换一个字。";
        }
        supplied += c + "属" + element + "，";
    }
    std::string left;  // the lacking elements no fixed character supplies
    for (const std::string& e : SplitChars(state.MissingWuhang)) {
        bool has = false;
        for (const std::string& c : fixed)
            has = has || WordElement(strokes, c) == e;
        if (!has)
            left += e;
    }
    const int free = length - static_cast<int>(fixed.size());
    if (static_cast<int>(CharCount(left)) > free) {
        return "八字缺" + state.MissingWuhang + "，" +
               (supplied.empty() ? "" : "固定字" + supplied) + "其余" + std::to_string(free) +
               "个字补不全所缺的" + left + "，请换一个五行合适的固定字或少固定一个字。";
    }
    return "本次抽取的字中没有同时合乎笔画格局" +
           (state.MissingWuhang.empty() ? std::string()
                                        : "和所缺五行（" + state.MissingWuhang + "）") +
           "的组合，请再按“马上起名”或换固定字" +
           (Trim(request.exclude).empty() ? std::string() : "，或少排除几个字") + "。";
}

}  // namespace quillora
