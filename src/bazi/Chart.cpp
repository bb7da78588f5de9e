#include "bazi/Chart.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "calendar/LunarCalendar.h"
#include "common/Text.h"
#include "data/Lookups.h"
#include "data/QueryObject.h"
#include "data/Statements.h"

namespace quillora {

namespace {

int Mod(int a, int m) {
    return ((a % m) + m) % m;
}

constexpr long long kSecondsPerDay = 86400;

// Reads "yyyy-mm-dd hh:mm:ss" into seconds since day 0; false when the text
// has another shape or names no real date.
bool ReadInstant(const std::string& text, long long& out) {
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
    char tail = 0;
    if (std::sscanf(text.c_str(), "%4d-%2d-%2d %2d:%2d:%2d%c", &y, &mo, &d, &h, &mi, &s, &tail) !=
        6) {
        return false;
    }
    if (!IsValidDate(y, mo, d) || h > 23 || mi > 59 || s > 59 || h < 0 || mi < 0 || s < 0) {
        return false;
    }
    out = InstantSeconds(y, mo, d, h, mi, s);
    return true;
}

int JieIndexOf(std::string_view name) {
    for (int i = 0; i < 12; ++i) {
        if (name == JieNames[i])
            return i;
    }
    return -1;
}

}  // namespace

const char* const HiddenStemsTable[12] = {"癸",   "己癸辛", "甲丙戊", "乙", "戊乙癸", "丙庚戊",
                                          "丁己", "己丁乙", "庚壬戊", "辛", "戊辛丁", "壬甲"};

const char* const JieNames[12] = {"立春", "惊蛰", "清明", "立夏", "芒种", "小暑",
                                  "立秋", "白露", "寒露", "立冬", "大雪", "小寒"};

bool IsJieName(std::string_view name) {
    return JieIndexOf(name) >= 0;
}

Pillar Pillar::Stepped(int k) const {
    return Pillar{Mod(stem + k, 10), Mod(branch + k, 12)};
}

std::string Pillar::StemText() const {
    return std::string(StemNames[Mod(stem, 10)]);
}
std::string Pillar::BranchText() const {
    return std::string(BranchNames[Mod(branch, 12)]);
}
std::string Pillar::Text() const {
    return StemText() + BranchText();
}

Pillar DayPillarOf(int year, int month, int day) {
    // Position in the sixty-pair cycle with 甲子 counted as 1 and 癸亥 as 0.
    const long long h = year - 1;
    int doy = day;
    for (int m = 1; m < month; ++m)
        doy += DaysInMonth(year, m);
    const long long c = (5 * h + h / 4 - h / 100 + h / 400 + doy + 6015) % 60;
    return Pillar{static_cast<int>((c + 9) % 10), static_cast<int>((c + 11) % 12)};
}

Pillar HourPillarOf(int dayStem, int hour) {
    const int branch = Mod((hour + 1) / 2, 12);
    // From 23 h on the 子 hour belongs to the next day's stem cycle.
    const int stemDay = hour >= 23 ? dayStem + 1 : dayStem;
    return Pillar{Mod(2 * stemDay + branch, 10), branch};
}

Pillar YearPillarOf(int year) {
    return Pillar{Mod(year - 4, 10), Mod(year - 4, 12)};
}

Pillar MonthPillarOf(int yearStem, int monthBranch) {
    const int k = Mod(monthBranch - 2, 12);  // distance from 寅
    return Pillar{Mod(2 * yearStem + 2 + k, 10), monthBranch};
}

int FixedMonthBranch(int md) {
    struct Range {
        int from;
        int to;
        int branch;
    };
    static const Range kRanges[] = {
        {204, 305, 2},   {306, 404, 3}, {405, 504, 4},  {505, 605, 5},    {606, 706, 6},
        {707, 807, 7},   {808, 907, 8}, {908, 1007, 9}, {1008, 1106, 10}, {1107, 1207, 11},
        {1208, 1231, 0}, {101, 105, 0}, {106, 203, 1},
    };
    for (const Range& r : kRanges) {
        if (md >= r.from && md <= r.to)
            return r.branch;
    }
    // A key between the ranges (the day before 1 February's key after the
    // one-day correction is 200): it still lies in the 丑 month.
    return 1;
}

long long InstantSeconds(int year, int month, int day, int hour, int minute, int second) {
    DateValue d = 0;
    TryEncodeDate(year, month, day, d);
    return static_cast<long long>(d) * kSecondsPerDay + hour * 3600LL + minute * 60LL + second;
}

DateValue InstantDate(long long seconds) {
    return static_cast<DateValue>(seconds) / kSecondsPerDay;
}

std::vector<JieInstant> JieInstantsOf(int firstYear, int lastYear) {
    std::vector<JieInstant> out;
    try {
        QueryObject q(DbConnectionString(kGantrelFile), kDefaultTimeout);
        q.SetStatement(sql::kJieOfYears,
                       {static_cast<long long>(firstYear), static_cast<long long>(lastYear)});
        q.Open();
        for (int row = 1; row <= q.RecordCount(); ++row) {
            q.MoveTo(row);
            JieInstant j;
            j.jie = JieIndexOf(Trim(q.FieldText("JQ")));
            if (j.jie < 0 || !ReadInstant(Trim(q.FieldText("SJ")), j.seconds))
                continue;
            out.push_back(j);
        }
        q.Close();
    } catch (const DbError&) {
        // No instants from a sound file: the fixed days stand in. A missing
        // or damaged file is reported.
        if (!GantrelFileIsSound())
            throw;
        out.clear();
    }
    return out;
}

bool MonthAndYearByJie(const std::vector<JieInstant>& jies, int birthYear, long long birthSeconds,
                       int& monthBranch, int& pillarYear) {
    const JieInstant* latest = nullptr;
    const JieInstant* springOfYear = nullptr;
    const long long yearStart = InstantSeconds(birthYear, 1, 1, 0, 0, 0);
    const long long yearEnd = InstantSeconds(birthYear + 1, 1, 1, 0, 0, 0);
    for (const JieInstant& j : jies) {
        if (j.seconds <= birthSeconds && (latest == nullptr || j.seconds > latest->seconds)) {
            latest = &j;
        }
        if (j.jie == 0 && j.seconds >= yearStart && j.seconds < yearEnd)
            springOfYear = &j;
    }
    // The latest jie must lie within the last two months, or the instants do
    // not cover the birth.
    if (latest == nullptr || springOfYear == nullptr ||
        birthSeconds - latest->seconds > 40 * kSecondsPerDay) {
        return false;
    }
    monthBranch = (latest->jie + 2) % 12;
    pillarYear = birthSeconds >= springOfYear->seconds ? birthYear : birthYear - 1;
    return true;
}

std::vector<JieInstant> FormulaJieInstantsOf(int firstYear, int lastYear) {
    std::vector<JieInstant> out;
    for (int year = firstYear; year <= lastYear; ++year) {
        // The even terms are the jie: 小寒 (term 0) is the last of JieNames.
        for (int n = 0; n < 24; n += 2) {
            const DateValue instant = SolarTermInstant(year, n);
            out.push_back({(n / 2 + 11) % 12, std::llround(instant * kSecondsPerDay)});
        }
    }
    return out;
}

bool BoundingJie(const std::vector<JieInstant>& jies, long long birthSeconds, bool backward,
                 long long& jieSeconds) {
    const JieInstant* found = nullptr;
    for (const JieInstant& j : jies) {
        if (backward ? j.seconds <= birthSeconds && (!found || j.seconds > found->seconds)
                     : j.seconds > birthSeconds && (!found || j.seconds < found->seconds)) {
            found = &j;
        }
    }
    if (found == nullptr || std::llabs(found->seconds - birthSeconds) > 40 * kSecondsPerDay)
        return false;
    jieSeconds = found->seconds;
    return true;
}

LuckStart LuckStartOf(DateValue birthDate, long long spanSeconds) {
    // Three days of real time make a year of life, six hours a month and
    // twelve minutes a day; what is left of a day is dropped.
    constexpr long long kYear = 3 * kSecondsPerDay;
    constexpr long long kMonth = kYear / 12;
    constexpr long long kDay = kMonth / 30;
    LuckStart s;
    long long rest = spanSeconds < 0 ? -spanSeconds : spanSeconds;
    s.years = static_cast<int>(rest / kYear);
    rest %= kYear;
    s.months = static_cast<int>(rest / kMonth);
    rest %= kMonth;
    s.days = static_cast<int>(rest / kDay);

    // Whole years and months on the calendar (a day the month lacks becomes
    // its last day), then the days.
    const DateParts birth = DecodeDate(birthDate);
    const int monthIndex = birth.year * 12 + (birth.month - 1) + s.years * 12 + s.months;
    const int year = monthIndex / 12;
    const int month = monthIndex % 12 + 1;
    const int day = std::min(birth.day, DaysInMonth(year, month));
    s.date = EncodeDate(year, month, day) + s.days;
    s.year = DecodeDate(s.date).year;
    return s;
}

std::optional<FourPillarsChart> BuildChart(int year, int month, int day, int hour, int minute,
                                           std::string_view sex) {
    // The day may not exceed the month's length; other values were checked
    // when the entered date was turned into a date value.
    if ((month == 2 && day > (IsLeapYear(year) ? 29 : 28)) ||
        ((month == 4 || month == 6 || month == 9 || month == 11) && day > 30)) {
        return std::nullopt;
    }

    FourPillarsChart c;
    DateValue birthDate = 0;
    if (!TryEncodeDate(year, month, day, birthDate))
        return std::nullopt;
    const long long birthSeconds = InstantSeconds(year, month, day, hour, minute, 0);

    // Month and year change at the actual jie instants. Without them (no
    // table rows for the year) the fixed calendar days stand in.
    const std::vector<JieInstant> jies = JieInstantsOf(year - 1, year + 1);
    int monthBranch = 0;
    int pillarYear = year;
    if (!MonthAndYearByJie(jies, year, birthSeconds, monthBranch, pillarYear)) {
        const int md = month * 100 + day;
        monthBranch = FixedMonthBranch(md);
        pillarYear = md >= 204 ? year : year - 1;
    }

    c.yearPillar = YearPillarOf(pillarYear);
    c.monthPillar = MonthPillarOf(c.yearPillar.stem, monthBranch);
    c.dayPillar = DayPillarOf(year, month, day);
    c.hourPillar = HourPillarOf(c.dayPillar.stem, hour);

    // Each position shows the stems hidden in its own pillar's branch.
    c.hiddenYear = HiddenStemsTable[c.yearPillar.branch];
    c.hiddenMonth = HiddenStemsTable[c.monthPillar.branch];
    c.hiddenDay = HiddenStemsTable[c.dayPillar.branch];
    c.hiddenHour = HiddenStemsTable[c.hourPillar.branch];

    c.conceptionPillar = Pillar{(c.monthPillar.stem + 1) % 10, (c.monthPillar.branch + 3) % 12};

    const bool man = sex == "男";
    const bool yangYear = c.yearPillar.stem % 2 == 0;
    c.backward = man != yangYear;

    // The luck start counts to the jie of table JQ, or of the solar-term
    // formula where the table holds none (its last year has no next 小寒).
    long long jieSeconds = 0;
    if (!BoundingJie(jies, birthSeconds, c.backward, jieSeconds) &&
        !BoundingJie(FormulaJieInstantsOf(year - 1, year + 1), birthSeconds, c.backward,
                     jieSeconds)) {
        jieSeconds = birthSeconds;  // cannot happen: a jie falls in every month
    }
    c.birthYear = year;
    c.luckStart = LuckStartOf(birthDate, jieSeconds - birthSeconds);
    c.startAge = c.luckStart.year - year + 1;

    for (int i = 0; i < 10; ++i)
        c.luckPillars[i] = c.monthPillar.Stepped(c.backward ? -i : i);
    return c;
}

}  // namespace quillora
