// The almanac table huangdao of "Somnette.dll": one row for every day from
// 1901-01-01 to 2100-12-31, expanded from the rule tables under
// refdata/almanac with the program's own calendar (day pillar, the jie month
// from the engine's true jie days, the lunar date).
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "AlmanacRules.h"
#include "Builder.h"
#include "JieInstants.h"
#include "calendar/LunarCalendar.h"

namespace quillora::refdata {

namespace {

constexpr int kAlmanacFirstYear = 1901;
constexpr int kAlmanacLastYear = 2100;

std::vector<std::string> Words(const std::string& list) {
    std::vector<std::string> out;
    std::istringstream in(list);
    for (std::string w; in >> w;)
        out.push_back(w);
    return out;
}

template <typename Names>
int IndexIn(const Names& names, const std::string& name, const std::string& where) {
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i] == name)
            return static_cast<int>(i);
    }
    BuildFailure(where + ": unknown name '" + name + "'");
}

int Pillar(const std::string& text, const std::string& where) {
    const int i = PillarIndexOf(text);
    if (i < 0)
        BuildFailure(where + ": unknown stem-branch pair '" + text + "'");
    return i;
}

AlmanacRules LoadRules(const BuildContext& ctx) {
    const auto dir = ctx.sourceDir / "almanac";
    AlmanacRules rules;

    {
        const Tsv t = ReadTsv(dir / "yiji.tsv");
        const int day = t.Column("day"), months = t.Column("months");
        const int yi = t.Column("yi"), ji = t.Column("ji");
        std::set<std::pair<int, int>> seen;
        for (const auto& row : t.rows) {
            const int d = Pillar(row.at(day), "yiji.tsv");
            for (const std::string& m : Words(row.at(months))) {
                const int mp = Pillar(m, "yiji.tsv");
                if (!seen.emplace(mp, d).second) {
                    BuildFailure("yiji.tsv: month " + m + ", day " + row.at(day) + " twice");
                }
                rules.SetActivities(mp, d, row.at(yi), row.at(ji));
            }
        }
    }
    {
        const Tsv t = ReadTsv(dir / "spirits.tsv");
        const int month = t.Column("month"), day = t.Column("day");
        const int good = t.Column("jishen"), bad = t.Column("xiongsha");
        for (const auto& row : t.rows) {
            rules.SetSpirits(IndexIn(BranchNames, row.at(month), "spirits.tsv"),
                             Pillar(row.at(day), "spirits.tsv"), row.at(good), row.at(bad));
        }
    }
    {
        const Tsv t = ReadTsv(dir / "fetus.tsv");
        const int day = t.Column("day"), position = t.Column("position");
        for (const auto& row : t.rows) {
            rules.SetFetusGod(Pillar(row.at(day), "fetus.tsv"), row.at(position));
        }
    }
    {
        const Tsv t = ReadTsv(dir / "pengzu.tsv");
        const int key = t.Column("key"), taboo = t.Column("taboo");
        for (const auto& row : t.rows) {
            bool found = false;
            for (std::size_t i = 0; i < StemNames.size(); ++i) {
                if (StemNames[i] == row.at(key)) {
                    rules.SetStemTaboo(static_cast<int>(i), row.at(taboo));
                    found = true;
                }
            }
            if (!found) {
                rules.SetBranchTaboo(IndexIn(BranchNames, row.at(key), "pengzu.tsv"),
                                     row.at(taboo));
            }
        }
    }
    const auto byDayBranch = [&](const char* file, const char* column, auto set) {
        const Tsv t = ReadTsv(dir / file);
        const int month = t.Column("month"), names = t.Column(column);
        for (const auto& row : t.rows) {
            const int m = IndexIn(BranchNames, row.at(month), file);
            const auto words = Words(row.at(names));
            if (words.size() != 12)
                BuildFailure(std::string(file) + ": expected 12 names");
            for (int d = 0; d < 12; ++d)
                set(m, d, words[d]);
        }
    };
    byDayBranch("officers.tsv", "officers",
                [&](int m, int d, const std::string& n) { rules.SetOfficer(m, d, n); });
    byDayBranch("dutygods.tsv", "gods",
                [&](int m, int d, const std::string& n) { rules.SetDutyGod(m, d, n); });
    {
        const Tsv t = ReadTsv(dir / "dutykinds.tsv");
        const int god = t.Column("god"), kind = t.Column("kind");
        for (const auto& row : t.rows)
            rules.SetDutyGodKind(row.at(god), row.at(kind));
    }
    {
        const Tsv t = ReadTsv(ctx.sourceDir / "ganzhi" / "nayin.tsv");
        const int pair = t.Column("jiazi"), layin = t.Column("layin");
        for (const auto& row : t.rows) {
            rules.SetSoundElement(Pillar(row.at(pair), "nayin.tsv"), row.at(layin));
        }
    }

    const std::string gap = rules.FirstGap();
    if (!gap.empty())
        BuildFailure("almanac rules incomplete: " + gap);
    return rules;
}

}  // namespace

void FillHuangdao(BuildDb& db, const BuildContext& ctx) {
    const AlmanacRules rules = LoadRules(ctx);

    // The 大雪 of the year before the first day opens its month.
    std::vector<std::pair<DateValue, int>> jies;
    for (const JieInstant& j : JieInstantsOfYears(kAlmanacFirstYear - 1, kAlmanacLastYear)) {
        jies.emplace_back(j.instant, j.term);
    }
    const JieCalendar calendar(std::move(jies));

    BuildDb::Inserter insert(db, sql::build::kInsertHuangdao);
    const DateValue last = EncodeDate(kAlmanacLastYear, 12, 31);
    for (DateValue day = EncodeDate(kAlmanacFirstYear, 1, 1); day <= last; day += 1) {
        const LunarDate lunar = SolarToLunar(day);
        if (lunar.IsNone())
            BuildFailure("no lunar date for " + FormatDate(day));
        AlmanacEntry e = rules.EntryOf(day, calendar.PillarsOf(day), lunar);
        insert.Row({std::move(e.gn), std::move(e.nn), std::move(e.suici), std::move(e.tszf),
                    std::move(e.wuhang), std::move(e.cong), std::move(e.pzbj), std::move(e.jsyq),
                    std::move(e.yi), std::move(e.xsyq), std::move(e.ji)});
    }
    if (db.Count("huangdao") != 73049) {
        BuildFailure("huangdao: " + std::to_string(db.Count("huangdao")) + " rows");
    }
}

}  // namespace quillora::refdata
