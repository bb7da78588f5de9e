// "Somnette.dll" (besides namefx): the bone-weight tables chenggu1 to
// chenggu4 and chenggu, and the almanac huangdao.
#include <set>
#include <string>
#include <vector>

#include "Builder.h"
#include "calendar/LunarCalendar.h"
#include "data/Lookups.h"

namespace quillora::refdata {

void FillHuangdao(BuildDb& db, const BuildContext& ctx);  // Almanac.cpp

namespace {

constexpr int kBoneFirstYear = 1900;
constexpr int kBoneLastYear = 2100;

double WeightOf(const std::string& text, const std::string& where) {
    try {
        std::size_t used = 0;
        const double w = std::stod(text, &used);
        if (used == text.size() && w > 0 && w < 10)
            return w;
    } catch (const std::exception&) {
    }
    BuildFailure(where + ": bad weight '" + text + "'");
}

// Weights of a source keyed by its first column, in row order.
std::vector<std::pair<std::string, double>> Weights(const BuildContext& ctx, const char* file,
                                                    const char* keyColumn) {
    const Tsv tsv = ReadTsv(ctx.sourceDir / "bone" / file);
    const int key = tsv.Column(keyColumn);
    const int weight = tsv.Column("weight");
    std::vector<std::pair<std::string, double>> out;
    for (const auto& row : tsv.rows) {
        out.emplace_back(row.at(key), WeightOf(row.at(weight), file));
    }
    return out;
}

void FillBoneWeights(BuildDb& db, const BuildContext& ctx) {
    // Year: by the stem-branch pair of the lunar year (1984 is 甲子).
    const auto byPair = Weights(ctx, "year.tsv", "jiazi");
    if (byPair.size() != 60)
        BuildFailure("year.tsv: expected 60 pairs");
    std::vector<double> yearWeights;
    {
        BuildDb::Inserter insert(db, sql::build::kInsertChenggu1);
        for (int year = kBoneFirstYear; year <= kBoneLastYear; ++year) {
            const int i = ((year - 4) % 60 + 60) % 60;
            const std::string pair =
                std::string(StemNames[i % 10]) + std::string(BranchNames[i % 12]);
            if (byPair[i].first != pair)
                BuildFailure("year.tsv: row " + pair + " out of order");
            insert.Row({std::to_string(year), byPair[i].second});
        }
        for (const auto& [pair, w] : byPair)
            yearWeights.push_back(w);
    }

    const auto months = Weights(ctx, "month.tsv", "month");
    const auto days = Weights(ctx, "day.tsv", "day");
    const auto hours = Weights(ctx, "hour.tsv", "branch");
    if (months.size() != 12 || days.size() != 30 || hours.size() != 12) {
        BuildFailure("bone weights: expected 12 months, 30 days and 12 double hours");
    }
    const auto fillNumbered = [&](const char* sql, const auto& rows) {
        BuildDb::Inserter insert(db, sql);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (rows[i].first != std::to_string(i + 1)) {
                BuildFailure(std::string("bone weights: row ") + rows[i].first + " out of order");
            }
            insert.Row({rows[i].first, rows[i].second});
        }
    };
    fillNumbered(sql::build::kInsertChenggu2, months);
    fillNumbered(sql::build::kInsertChenggu3, days);
    {
        // Clock hours: 23 and 0 are 子, 1 and 2 丑, ... 21 and 22 亥.
        BuildDb::Inserter insert(db, sql::build::kInsertChenggu4);
        for (int hour = 0; hour < 24; ++hour) {
            const int branch = ((hour + 1) / 2) % 12;
            if (hours[branch].first != BranchNames[branch]) {
                BuildFailure("hour.tsv: row " + hours[branch].first + " out of order");
            }
            insert.Row({std::to_string(hour), hours[branch].second});
        }
    }

    // Readings, and a check that every total the four tables can produce has
    // one, summed in the order and with the key that the lookup uses.
    const Tsv verses = ReadTsv(ctx.sourceDir / "bone" / "verses.tsv");
    const int weight = verses.Column("weight");
    const int content = verses.Column("content");
    const int content2 = verses.Column("content2");
    std::set<std::string> keys;
    {
        BuildDb::Inserter insert(db, sql::build::kInsertChenggu);
        for (const auto& row : verses.rows) {
            if (!keys.insert(row.at(weight)).second) {
                BuildFailure("verses.tsv: weight " + row.at(weight) + " twice");
            }
            insert.Row({row.at(weight), row.at(content), row.at(content2)});
        }
    }
    std::set<std::string> produced;
    for (const double y : yearWeights) {
        for (const auto& m : months) {
            for (const auto& d : days) {
                for (const auto& h : hours) {
                    produced.insert(BoneWeightKey(y + m.second + d.second + h.second));
                }
            }
        }
    }
    for (const std::string& key : produced) {
        if (!keys.count(key))
            BuildFailure("verses.tsv: no reading for weight " + key);
    }
}

}  // namespace

void FillSomnette(BuildDb& db, const BuildContext& ctx) {
    FillBoneWeights(db, ctx);
    FillHuangdao(db, ctx);
}

}  // namespace quillora::refdata
