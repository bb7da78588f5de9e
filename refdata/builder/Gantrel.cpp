// "Gantrel.dll": the elements of the stems and branches (hzwh), the ten gods
// of every pair of stems (Shishen), the sixty pairs with their sound elements
// (jiazi) and the jie instants of 1900-2100 (JQ).
#include <map>
#include <string>

#include "Builder.h"
#include "JieInstants.h"
#include "calendar/LunarCalendar.h"
#include "common/DateValue.h"

namespace quillora::refdata {

namespace {

std::string Name(std::string_view v) {
    return std::string(v);
}

// hzwh from its source; returns the element of each stem and branch.
std::map<std::string, std::string> FillElements(BuildDb& db, const BuildContext& ctx) {
    const Tsv tsv = ReadTsv(ctx.sourceDir / "ganzhi" / "hzwh.tsv");
    const int wh = tsv.Column("wh");
    const int hz = tsv.Column("hz");
    BuildDb::Inserter insert(db, sql::build::kInsertHzwh);
    std::map<std::string, std::string> elementOf;
    for (const auto& row : tsv.rows) {
        insert.Row({row.at(hz), row.at(wh)});
        for (std::size_t pos = 0; pos < row.at(hz).size();) {
            // Each character is one UTF-8 sequence of three bytes here.
            const std::string ch = row.at(hz).substr(pos, 3);
            if (!elementOf.emplace(ch, row.at(wh)).second) {
                BuildFailure("hzwh: " + ch + " stands in two groups");
            }
            pos += 3;
        }
    }
    for (const auto& names :
         {std::vector<std::string_view>(StemNames.begin(), StemNames.end()),
          std::vector<std::string_view>(BranchNames.begin(), BranchNames.end())}) {
        for (const auto n : names) {
            if (!elementOf.count(Name(n)))
                BuildFailure("hzwh: no element for " + Name(n));
        }
    }
    return elementOf;
}

// The ten god of a judged stem against the day stem follows from their
// elements in the generating order 木 火 土 金 水 and from their yin-yang:
// the same yin-yang gives the first name of each pair.
void FillTenGods(BuildDb& db, const std::map<std::string, std::string>& elementOf) {
    static const std::string kGenerating[] = {"木", "火", "土", "金", "水"};
    static const char* const kGods[5][2] = {
        {"比肩", "劫财"},  // same element
        {"食神", "伤官"},  // the day stem generates it
        {"偏财", "正财"},  // the day stem controls it
        {"七杀", "正官"},  // it controls the day stem
        {"偏印", "正印"},  // it generates the day stem
    };
    auto place = [&](std::string_view stem) {
        const std::string& e = elementOf.at(Name(stem));
        for (int i = 0; i < 5; ++i) {
            if (kGenerating[i] == e)
                return i;
        }
        BuildFailure("unknown element " + e);
    };
    BuildDb::Inserter insert(db, sql::build::kInsertShishen);
    for (int d = 0; d < 10; ++d) {
        for (int o = 0; o < 10; ++o) {
            const int relation = (place(StemNames[o]) - place(StemNames[d]) + 5) % 5;
            const int differs = (d % 2 == o % 2) ? 0 : 1;
            insert.Row(
                {Name(StemNames[d]) + Name(StemNames[o]), std::string(kGods[relation][differs])});
        }
    }
}

void FillSoundElements(BuildDb& db, const BuildContext& ctx) {
    const Tsv tsv = ReadTsv(ctx.sourceDir / "ganzhi" / "nayin.tsv");
    const int pair = tsv.Column("jiazi");
    const int layin = tsv.Column("layin");
    if (tsv.rows.size() != 60)
        BuildFailure("nayin.tsv: expected 60 pairs");
    BuildDb::Inserter insert(db, sql::build::kInsertJiazi);
    for (std::size_t i = 0; i < tsv.rows.size(); ++i) {
        const std::string expected = Name(StemNames[i % 10]) + Name(BranchNames[i % 12]);
        if (tsv.rows[i].at(pair) != expected) {
            BuildFailure("nayin.tsv: row " + std::to_string(i + 1) + " should be " + expected);
        }
        insert.Row({expected, tsv.rows[i].at(layin)});
    }
}

// The twelve jie instants of every Gregorian year 1900-2100, Beijing time to
// the second, from the astronomical engine.
void FillJieInstants(BuildDb& db) {
    BuildDb::Inserter insert(db, sql::build::kInsertJq);
    for (const JieInstant& j : JieInstantsOfYears(kJqFirstYear, kJqLastYear)) {
        insert.Row({static_cast<long long>(DecodeDate(j.instant).year), Name(TermNames[j.term]),
                    FormatDateTime(j.instant)});
    }
}

}  // namespace

void FillGantrel(BuildDb& db, const BuildContext& ctx) {
    const auto elementOf = FillElements(db, ctx);
    FillTenGods(db, elementOf);
    FillSoundElements(db, ctx);
    FillJieInstants(db);

    const auto expect = [&](const char* table, long long n) {
        if (db.Count(table) != n) {
            BuildFailure(std::string(table) + ": " + std::to_string(db.Count(table)) +
                         " rows, expected " + std::to_string(n));
        }
    };
    expect("Shishen", 100);
    expect("jiazi", 60);
    expect("JQ", 12LL * (kJqLastYear - kJqFirstYear + 1));
}

}  // namespace quillora::refdata
