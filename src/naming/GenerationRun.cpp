#include "naming/GenerationRun.h"

#include <stdexcept>

#include "bazi/ChartSummary.h"
#include "common/Text.h"
#include "data/Database.h"
#include "naming/NameAnalysis.h"
#include "naming/ResultsGrid.h"

namespace quillora {

const char* const NameLengthItems[3] = {"二字名", "三字名", "四字名"};

bool FindMissingWuhang(const BirthRecord& record, GenerationState& state) {
    const std::optional<FourPillarsChart> chart = BuildChartOf(record);
    if (!chart)
        return false;
    state.MissingWuhang = MissingElements(ChartElementsText(*chart));
    return true;
}

PreparedGeneration PrepareGeneration(
    const GenerationRequest& request, GenerationState& state, QueryObject& strokes,
    const std::function<void(const std::string&)>& storeLunarYear) {
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
    if (storeLunarYear)
        storeLunarYear(out.record->lunarYearText);

    // The elements the chart lacks.
    if (!FindMissingWuhang(*out.record, state)) {
        out.stop = GenerationStop::BirthCheck;
        out.issue = BirthIssue{kChartDateMessage, BirthField::None};
        return out;
    }

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
    out.keys = GenerationKeys(*out.statement, request.fixed);
    out.sql = WrapWithElementFilter(out.statement->sql, state.WuhangFilter);
    return out;
}

bool OpenGeneration(const PreparedGeneration& prepared, QueryObject& candidates,
                    GenerationState& state) {
    state.ranking.clear();
    state.ranked = false;
    state.appraised = 0;
    candidates.Close();
    candidates.SetConnection(DbConnectionString(kParvelloFile));
    candidates.SetTimeout(kGenerationTimeout);
    candidates.SetStatement(prepared.sql, prepared.keys);
    candidates.Open();
    return candidates.RecordCount() > kCandidateRows;
}

}  // namespace quillora
