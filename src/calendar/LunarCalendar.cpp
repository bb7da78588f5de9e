#include "calendar/LunarCalendar.h"

#include <cmath>
#include <stdexcept>

namespace quillora {

namespace {

// Day 32 (1900-01-31) is lunar 1900-1-1; day 73416 is 2101-01-01.
constexpr int kFirstLunarDay = 32;
constexpr int kEndLunarDay = 73416;
// Lunar 2000-1-1 is 2000-02-05.
constexpr int kAnchorYear = 2000;
constexpr int kAnchorDay = 36561;
// 1900-01-06 (day 7) 02:05:00 in milliseconds after day 0.
constexpr double kTermEpochMs = 7.0 * 86400000.0 + (2 * 60 + 5) * 60000.0;
constexpr long double kTropicalYearMs = 31556925974.7L;
constexpr double kMsPerDay = 86400000.0;

std::uint16_t YearWord(int year) {
    if (year < kLunarFirstYear || year > kLunarLastYear)
        return 0;
    return LunarYearTable[year - kLunarFirstYear];
}

double RoundHalfEven(double x) {
    const double lower = std::floor(x);
    const double rest = x - lower;
    if (rest < 0.5)
        return lower;
    if (rest > 0.5)
        return lower + 1;
    return std::fmod(lower, 2.0) == 0 ? lower : lower + 1;
}

}  // namespace

int LunarMonthDays(int year, int month) {
    const int bit = month < 2 ? 15 : 16 - month;
    if (bit < 4)
        return 29;  // bits 3 to 0 hold the leap month, not a length
    return (YearWord(year) >> bit) & 1 ? 30 : 29;
}

int LeapMonthOf(int year) {
    const int low = YearWord(year) & 0xF;
    return low == 0xF ? 0 : low;
}

int LeapMonthDays(int year) {
    if (LeapMonthOf(year) == 0)
        return 0;
    return (YearWord(year + 1) & 0xF) == 0xF ? 30 : 29;
}

int LunarYearDays(int year) {
    int days = 348;
    const std::uint16_t word = YearWord(year);
    for (int bit = 15; bit >= 4; --bit)
        days += (word >> bit) & 1;
    return days + LeapMonthDays(year);
}

LunarDate SolarToLunar(DateValue date) {
    if (!(date >= kFirstLunarDay && date < kEndLunarDay))
        return {};
    int d = static_cast<int>(std::floor(date)) - kFirstLunarDay;

    int y = kLunarFirstYear;
    int t = 0;
    while (d > 0) {
        t = LunarYearDays(y);
        ++y;
        d -= t;
    }
    if (d < 0) {
        d += t;
        --y;
    }

    const int leap = LeapMonthOf(y);
    bool isLeap = false;
    int m = 0;
    // Walk the months (a leap month right after its regular month) until the
    // remaining day count falls inside one.
    do {
        ++m;
        t = LunarMonthDays(y, m);
        d -= t;
        if (d >= 0 && m == leap) {
            t = LeapMonthDays(y);
            d -= t;
            if (d < 0)
                isLeap = true;
        }
    } while (d >= 0);
    d += t;

    return LunarDate{y, m, d + 1, isLeap};
}

bool IsValidLunarDate(const LunarDate& r) {
    if (r.year < kLunarFirstYear + 1 || r.year > kLunarLastYear - 1)
        return false;
    if (r.month > 12 || r.day > 30)
        return false;
    if (r.isLeap)
        return LeapMonthOf(r.year) == r.month && LeapMonthDays(r.year) >= r.day;
    return LunarMonthDays(r.year, r.month) >= r.day;
}

DateValue LunarToSolar(const LunarDate& r) {
    if (!IsValidLunarDate(r))
        return EncodeDate(1, 1, 1);

    const int y = r.year;
    const int m = r.month;
    const int leap = LeapMonthOf(y);
    // Days of the months before m, with the leap month counted right after
    // its regular month.
    int sum = 0;
    bool leapNext = false;
    for (int i = 1; i < m; ++i) {
        if (i != leap) {
            sum += LunarMonthDays(y, i);
        } else if (leapNext) {
            sum += LeapMonthDays(y);
            leapNext = false;
        } else {
            sum += LunarMonthDays(y, i);
            leapNext = true;
            --i;
        }
    }
    sum += r.day - 1;
    if (m == leap && r.isLeap)
        sum += LunarMonthDays(y, m);

    if (y > kAnchorYear) {
        for (int i = kAnchorYear; i < y; ++i)
            sum += LunarYearDays(i);
    } else {
        for (int i = y; i < kAnchorYear; ++i)
            sum -= LunarYearDays(i);
    }
    return kAnchorDay + sum;
}

DateValue SolarTermInstant(int year, int n) {
    if (n < 0 || n > 23)
        throw std::out_of_range("solar-term index outside 0-23");
    const long double ms = static_cast<long double>(year - 1900) * kTropicalYearMs +
                           static_cast<long double>(TermOffsets[n]) * 60000.0L;
    // Stored as a double, then rounded to whole milliseconds, ties to even.
    return (kTermEpochMs + RoundHalfEven(static_cast<double>(ms))) / kMsPerDay;
}

std::string SolarTermOnDate(DateValue date) {
    const DateParts p = DecodeDate(date);
    for (int n = 2 * p.month - 2; n <= 2 * p.month - 1; ++n) {
        if (DateOf(SolarTermInstant(p.year, n)) == date)
            return std::string(TermNames[n]);
    }
    return {};
}

std::string YearCycleName(int n) {
    if (n < 0)
        throw std::invalid_argument("YearCycleName needs a year from 1864 on");
    std::string text(StemNames[n % 10]);
    text += BranchNames[n % 12];
    text += "(";
    text += AnimalNames[n % 12];
    text += "年)";
    return text;
}

std::optional<std::string> YearCycleNameOf(const LunarDate& date) {
    if (date.IsNone())
        return std::nullopt;
    return YearCycleName(date.year - 1864);
}

std::string LunarMonthName(int month, bool isLeap) {
    std::string text = isLeap ? "闰" : "";
    if (month >= 1 && month <= 10) {
        text += NumeralNames[month];
    } else if (month == 11 || month == 12) {
        text += NumeralNames[10];
        text += NumeralNames[month - 10];
    }
    return text + "月";
}

std::string LunarDayName(int day) {
    std::string text;
    if (day >= 1 && day <= 10) {
        text = "初";
        text += NumeralNames[day];
    } else if (day >= 11 && day <= 19) {
        text = "十";
        text += NumeralNames[day - 10];
    } else if (day == 20) {
        text = "二十";
    } else if (day >= 21 && day <= 29) {
        text = "廿";
        text += NumeralNames[day - 20];
    } else if (day == 30) {
        text = "三十";
    }
    return text;
}

std::string LunarDateText(const LunarDate& date) {
    const std::optional<std::string> year = YearCycleNameOf(date);
    if (!year)
        return {};
    return *year + LunarMonthName(date.month, date.isLeap) + LunarDayName(date.day);
}

}  // namespace quillora
