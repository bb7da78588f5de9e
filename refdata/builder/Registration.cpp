// "Parvello.dll": the word lists of the registration warnings (mark_word) and
// the trade suffixes with their Nice classes (trade_suffix), from the tables
// under refdata/registration/.
#include <algorithm>
#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "Builder.h"
#include "common/Text.h"
#include "data/Statements.h"
#include "naming/Registration.h"

namespace quillora::refdata {

namespace {

std::filesystem::path Source(const BuildContext& ctx, const char* file) {
    return ctx.sourceDir / "registration" / file;
}

// A listed word is a run of ideographs: the lists are matched against names
// character by character, so a stray mark or blank would never match.
void RequireIdeographs(const std::string& word, const std::string& where) {
    bool ok = !word.empty();
    std::size_t pos = 0;
    while (ok && pos < word.size())
        ok = IsCjkIdeograph(NextCodePoint(word, pos));
    if (!ok)
        BuildFailure(where + ": '" + word + "' is not a word of Chinese characters");
}

std::vector<std::string> Words(const std::string& list) {
    std::vector<std::string> out;
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t blank = list.find(' ', start);
        const std::string word =
            list.substr(start, blank == std::string::npos ? std::string::npos : blank - start);
        if (!word.empty())
            out.push_back(word);
        if (blank == std::string::npos)
            break;
        start = blank + 1;
    }
    return out;
}

class MarkWords {
  public:
    explicit MarkWords(BuildDb& db) : insert_(db, sql::build::kInsertMarkWord) {}
    void Add(const std::string& word, MarkList list, const std::string& kind,
             const std::string& reason, const std::string& info, const std::string& where) {
        RequireIdeographs(word, where);
        if (!seen_.insert({word, static_cast<int>(list), kind + "\t" + info}).second)
            BuildFailure(where + ": '" + word + "' twice");
        insert_.Row({word, static_cast<long long>(list), kind, reason, info});
        ++counts_[list];
    }
    long long Count(MarkList list) const {
        const auto it = counts_.find(list);
        return it == counts_.end() ? 0 : it->second;
    }

  private:
    BuildDb::Inserter insert_;
    std::set<std::tuple<std::string, int, std::string>> seen_;
    std::map<MarkList, long long> counts_;
};

// Words of the state and superlatives: word, kind, reason.
void AddReasonedWords(MarkWords& words, const BuildContext& ctx, const char* file, MarkList list) {
    const Tsv tsv = ReadTsv(Source(ctx, file));
    const int cWord = tsv.Column("word"), cKind = tsv.Column("kind"),
              cReason = tsv.Column("reason");
    for (const auto& row : tsv.rows) {
        if (Trim(row.at(cKind)).empty() || Trim(row.at(cReason)).empty())
            BuildFailure(std::string(file) + ": " + row.at(cWord) + " lacks a kind or reason");
        words.Add(row.at(cWord), list, row.at(cKind), row.at(cReason), "", file);
    }
}

// Divisions: the full name and every short form, each with the division's
// designation from its province down ("浙江省杭州市西湖区"), found by the
// codes of the levels above it.
void AddDivisions(MarkWords& words, const BuildContext& ctx) {
    const Tsv tsv = ReadTsv(Source(ctx, "divisions.tsv"));
    const int cCode = tsv.Column("code"), cName = tsv.Column("name"), cShort = tsv.Column("short"),
              cLevel = tsv.Column("level");
    std::map<std::string, std::string> nameOf;
    for (const auto& row : tsv.rows) {
        const auto [it, added] = nameOf.emplace(row.at(cCode), row.at(cName));
        if (row.at(cCode).size() != 6 || (!added && it->second != row.at(cName)))
            BuildFailure("divisions.tsv: bad or repeated code " + row.at(cCode));
    }
    const std::set<std::string> levels = {"省级", "地级", "县级"};
    std::set<std::string> done;
    for (const auto& row : tsv.rows) {
        const std::string& code = row.at(cCode);
        // A city without counties (东莞市) is listed again at county level.
        if (!done.insert(code).second)
            continue;
        if (!levels.count(row.at(cLevel)))
            BuildFailure("divisions.tsv: level of " + code + " is '" + row.at(cLevel) + "'");
        std::string designation;
        for (const std::string& above : {code.substr(0, 2) + "0000", code.substr(0, 4) + "00"}) {
            const auto it = nameOf.find(above);
            if (above != code && it != nameOf.end())
                designation += it->second;
        }
        designation += row.at(cName);
        std::vector<std::string> names = Words(row.at(cShort));
        names.insert(names.begin(), row.at(cName));
        for (const std::string& name : names)
            words.Add(name, MarkList::Division, row.at(cLevel), "", designation, "divisions.tsv");
    }
}

void AddKnownMarks(MarkWords& words, const BuildContext& ctx) {
    const Tsv tsv = ReadTsv(Source(ctx, "well-known-marks.tsv"));
    const int cMark = tsv.Column("mark"), cTrade = tsv.Column("trade"),
              cCommon = tsv.Column("common");
    for (const auto& row : tsv.rows) {
        const std::string& common = row.at(cCommon);
        if (!common.empty() && common != kCommonWordFlag)
            BuildFailure("well-known-marks.tsv: common of " + row.at(cMark) + " is '" + common +
                         "'");
        if (Trim(row.at(cTrade)).empty())
            BuildFailure("well-known-marks.tsv: " + row.at(cMark) + " has no trade");
        words.Add(row.at(cMark), MarkList::KnownMark, row.at(cTrade), "", common,
                  "well-known-marks.tsv");
    }
}

// Trade suffixes with their class, the further classes by number and name,
// and their generic words as list 5 (the suffix itself is always one).
std::size_t AddTrades(BuildDb& db, MarkWords& words, const BuildContext& ctx) {
    const Tsv classes = ReadTsv(Source(ctx, "nice-classes.tsv"));
    std::map<std::string, std::string> classNames;
    for (const auto& row : classes.rows)
        classNames[row.at(classes.Column("class"))] = row.at(classes.Column("name"));
    if (classNames.size() != 45)
        BuildFailure("nice-classes.tsv: expected the 45 classes");

    const Tsv tsv = ReadTsv(Source(ctx, "trade-suffixes.tsv"));
    const int cSuffix = tsv.Column("suffix"), cClass = tsv.Column("class"),
              cName = tsv.Column("class_name"), cAlso = tsv.Column("also"),
              cGeneric = tsv.Column("generic");
    BuildDb::Inserter insert(db, sql::build::kInsertTradeSuffix);
    for (const auto& row : tsv.rows) {
        const std::string& suffix = row.at(cSuffix);
        RequireIdeographs(suffix, "trade-suffixes.tsv");
        const auto cls = classNames.find(row.at(cClass));
        if (cls == classNames.end() || cls->second != row.at(cName))
            BuildFailure("trade-suffixes.tsv: class of " + suffix + " is not a Nice class");
        std::string also;
        for (const std::string& number : Words(row.at(cAlso))) {
            const auto it = classNames.find(number);
            if (it == classNames.end())
                BuildFailure("trade-suffixes.tsv: further class " + number + " of " + suffix);
            also += (also.empty() ? "" : "、") + std::string("第") + number + "类 " + it->second;
        }
        std::vector<std::string> generic = Words(row.at(cGeneric));
        if (std::find(generic.begin(), generic.end(), suffix) == generic.end())
            generic.insert(generic.begin(), suffix);
        std::string joined;
        for (const std::string& word : generic) {
            if (CharCount(word) < 2)
                BuildFailure("trade-suffixes.tsv: generic word '" + word + "' of " + suffix);
            words.Add(word, MarkList::TradeWord, suffix, "", "", "trade-suffixes.tsv");
            joined += (joined.empty() ? "" : " ") + word;
        }
        insert.Row({suffix, std::stoll(row.at(cClass)), row.at(cName), also, joined});
    }
    return tsv.rows.size();
}

}  // namespace

void FillRegistration(BuildDb& db, const BuildContext& ctx) {
    for (const char* sql : sql::build::kRegistrationTables)
        db.Exec(sql);
    MarkWords words(db);
    AddReasonedWords(words, ctx, "state-words.tsv", MarkList::StateWord);
    AddReasonedWords(words, ctx, "superlatives.tsv", MarkList::Superlative);
    AddDivisions(words, ctx);
    AddKnownMarks(words, ctx);
    const std::size_t trades = AddTrades(db, words, ctx);
    // The lists must hold what the warnings promise: the divisions at county
    // level and above, at least 300 well-known marks, at least 60 trades.
    if (words.Count(MarkList::Division) < 3000 || words.Count(MarkList::KnownMark) < 300 ||
        trades < 60) {
        BuildFailure("registration lists are incomplete");
    }
    for (const char* sql : sql::build::kRegistrationIndexes)
        db.Exec(sql);
    std::printf(
        "  mark_word: %lld state words, %lld superlatives, %lld division names, "
        "%lld marks, %lld generic words of %zu trades\n",
        words.Count(MarkList::StateWord), words.Count(MarkList::Superlative),
        words.Count(MarkList::Division), words.Count(MarkList::KnownMark),
        words.Count(MarkList::TradeWord), trades);
}

}  // namespace quillora::refdata
