#include "AlmanacRules.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace quillora::refdata {

namespace {

constexpr const char* kWeekdays[] = {"日", "一", "二", "三", "四", "五", "六"};
constexpr const char* kMonthNumerals[] = {"正", "二", "三", "四", "五", "六",
                                          "七", "八", "九", "十", "冬", "腊"};
// Direction of the sha by day branch: 子辰申 south, 丑巳酉 east, 寅午戌
// north, 卯未亥 west.
constexpr const char* kShaDirections[] = {"南", "东", "北", "西"};

// 1900-02-20, a 甲子 day.
constexpr long kJiaZiDay = 52;

int Mod(long a, int m) {
    const long r = a % m;
    return static_cast<int>(r < 0 ? r + m : r);
}

std::string Name(std::string_view v) {
    return std::string(v);
}

}  // namespace

int PillarIndex(int stem, int branch) {
    if (stem < 0 || stem > 9 || branch < 0 || branch > 11 || (stem - branch) % 2 != 0)
        return -1;
    return Mod(6L * stem - 5L * branch, 60);
}

std::string PillarText(int index) {
    const int i = Mod(index, 60);
    return Name(StemNames[i % 10]) + Name(BranchNames[i % 12]);
}

int PillarIndexOf(const std::string& text) {
    for (int i = 0; i < 60; ++i) {
        if (PillarText(i) == text)
            return i;
    }
    return -1;
}

int DayPillarOf(DateValue date) {
    return Mod(static_cast<long>(std::floor(date)) - kJiaZiDay, 60);
}

std::string TraditionalMonthName(int month, bool isLeap) {
    std::string name = isLeap ? "闰" : "";
    if (month >= 1 && month <= 12)
        name += kMonthNumerals[month - 1];
    return name + "月";
}

// ---- JieCalendar ----------------------------------------------------------

JieCalendar::JieCalendar(std::vector<std::pair<DateValue, int>> jieInstants) {
    days_.reserve(jieInstants.size());
    for (const auto& [instant, term] : jieInstants) {
        if (term < 0 || term > 22 || term % 2 != 0) {
            throw std::invalid_argument("not a jie term index: " + std::to_string(term));
        }
        days_.push_back({static_cast<long>(std::floor(instant)), term});
    }
    std::sort(days_.begin(), days_.end(),
              [](const JieDay& a, const JieDay& b) { return a.day < b.day; });
}

DayPillars JieCalendar::PillarsOf(DateValue date) const {
    const long day = static_cast<long>(std::floor(date));
    auto it = std::upper_bound(days_.begin(), days_.end(), day,
                               [](long d, const JieDay& j) { return d < j.day; });
    if (it == days_.begin())
        throw std::out_of_range("day before the first jie");
    const std::size_t current = static_cast<std::size_t>(it - days_.begin()) - 1;

    // The year of the latest 立春 at or before the day.
    std::size_t k = current;
    while (days_[k].term != 2) {
        if (k == 0)
            throw std::out_of_range("day before the first 立春");
        --k;
    }
    const int year = DecodeDate(static_cast<DateValue>(days_[k].day)).year;

    const int yearStem = Mod(year - 4, 10);
    const int monthBranch = (days_[current].term / 2 + 1) % 12;
    const int fromYin = Mod(monthBranch - 2, 12);  // 寅 = 0 ... 丑 = 11
    const int monthStem = (2 * yearStem + 2 + fromYin) % 10;

    DayPillars p;
    p.year = Mod(year - 4, 60);
    p.month = PillarIndex(monthStem, monthBranch);
    p.day = DayPillarOf(date);
    return p;
}

// ---- AlmanacRules ---------------------------------------------------------

AlmanacRules::AlmanacRules()
    : activities_(3600), spirits_(720), activitySet_(3600, false), spiritSet_(720, false) {}

void AlmanacRules::SetActivities(int monthPillar, int dayPillar, std::string yi, std::string ji) {
    const int i = Mod(monthPillar, 60) * 60 + Mod(dayPillar, 60);
    activities_[i] = {std::move(yi), std::move(ji)};
    activitySet_[i] = true;
}

void AlmanacRules::SetSpirits(int monthBranch, int dayPillar, std::string auspicious,
                              std::string inauspicious) {
    const int i = Mod(monthBranch, 12) * 60 + Mod(dayPillar, 60);
    spirits_[i] = {std::move(auspicious), std::move(inauspicious)};
    spiritSet_[i] = true;
}

void AlmanacRules::SetFetusGod(int dayPillar, std::string position) {
    fetus_[Mod(dayPillar, 60)] = std::move(position);
}

void AlmanacRules::SetStemTaboo(int stem, std::string taboo) {
    stemTaboo_[Mod(stem, 10)] = std::move(taboo);
}

void AlmanacRules::SetBranchTaboo(int branch, std::string taboo) {
    branchTaboo_[Mod(branch, 12)] = std::move(taboo);
}

void AlmanacRules::SetOfficer(int monthBranch, int dayBranch, std::string officer) {
    officer_[Mod(monthBranch, 12) * 12 + Mod(dayBranch, 12)] = std::move(officer);
}

void AlmanacRules::SetDutyGod(int monthBranch, int dayBranch, std::string god) {
    dutyGod_[Mod(monthBranch, 12) * 12 + Mod(dayBranch, 12)] = std::move(god);
}

void AlmanacRules::SetDutyGodKind(const std::string& god, std::string kind) {
    dutyKinds_.emplace_back(god, std::move(kind));
}

void AlmanacRules::SetSoundElement(int pillar, std::string soundElement) {
    soundElement_[Mod(pillar, 60)] = std::move(soundElement);
}

std::string AlmanacRules::FirstGap() const {
    for (int i = 0; i < 3600; ++i) {
        if (!activitySet_[i]) {
            return "activities of month " + PillarText(i / 60) + ", day " + PillarText(i % 60);
        }
    }
    for (int i = 0; i < 720; ++i) {
        if (!spiritSet_[i]) {
            return "spirits of month branch " + Name(BranchNames[i / 60]) + ", day " +
                   PillarText(i % 60);
        }
    }
    for (int i = 0; i < 60; ++i) {
        if (fetus_[i].empty())
            return "fetus god of " + PillarText(i);
        if (soundElement_[i].empty())
            return "sound element of " + PillarText(i);
    }
    for (int i = 0; i < 10; ++i) {
        if (stemTaboo_[i].empty())
            return "Peng Zu taboo of " + Name(StemNames[i]);
    }
    for (int i = 0; i < 12; ++i) {
        if (branchTaboo_[i].empty())
            return "Peng Zu taboo of " + Name(BranchNames[i]);
    }
    for (int i = 0; i < 144; ++i) {
        const std::string where =
            " of month branch " + Name(BranchNames[i / 12]) + ", day " + Name(BranchNames[i % 12]);
        if (officer_[i].empty())
            return "officer" + where;
        if (dutyGod_[i].empty())
            return "duty god" + where;
        const bool kindKnown =
            std::any_of(dutyKinds_.begin(), dutyKinds_.end(), [&](const auto& k) {
                return k.first == dutyGod_[i] && (k.second == "黄道" || k.second == "黑道");
            });
        if (!kindKnown)
            return "黄道/黑道 kind of duty god " + dutyGod_[i];
    }
    return std::string();
}

AlmanacEntry AlmanacRules::EntryOf(DateValue date, const DayPillars& pillars,
                                   const LunarDate& lunar) const {
    const int day = Mod(pillars.day, 60);
    const int month = Mod(pillars.month, 60);
    const int dayStem = day % 10;
    const int dayBranch = day % 12;
    const int monthBranch = month % 12;

    AlmanacEntry e;
    e.gn = FormatDate(date);

    const std::string& god = dutyGod_[monthBranch * 12 + dayBranch];
    std::string kind;
    for (const auto& [name, k] : dutyKinds_) {
        if (name == god)
            kind = k;
    }
    e.nn = "农历";
    if (!lunar.IsNone()) {
        const int lunarYear = Mod(lunar.year - 4, 60);
        e.nn += PillarText(lunarYear) + "年" + TraditionalMonthName(lunar.month, lunar.isLeap) +
                LunarDayName(lunar.day) + " ";
    }
    e.nn += std::string("星期") + kWeekdays[DayOfWeek(date) - 1];
    if (!lunar.IsNone())
        e.nn += " " + Name(AnimalNames[Mod(lunar.year - 4, 12)]) + "年";
    e.nn += " 值神" + god + " " + kind + "日";

    e.suici = PillarText(pillars.year) + "年 " + PillarText(month) + "月 " + PillarText(day) + "日";
    e.tszf = fetus_[day];
    e.wuhang = soundElement_[day] + " " + officer_[monthBranch * 12 + dayBranch] + "日";

    const int clashBranch = (dayBranch + 6) % 12;
    const int clashStem = (dayStem + 4) % 10;
    e.cong = "冲" + Name(AnimalNames[clashBranch]) + "(" + Name(StemNames[clashStem]) +
             Name(BranchNames[clashBranch]) + ")煞" + kShaDirections[dayBranch % 4];
    e.pzbj = stemTaboo_[dayStem] + " " + branchTaboo_[dayBranch];

    const auto& spirits = spirits_[monthBranch * 60 + day];
    e.jsyq = spirits.first;
    e.xsyq = spirits.second;
    const auto& activities = activities_[month * 60 + day];
    e.yi = activities.first;
    e.ji = activities.second;
    return e;
}

}  // namespace quillora::refdata
