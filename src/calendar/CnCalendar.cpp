#include "calendar/CnCalendar.h"

#include <cstdlib>

#include "calendar/LunarCalendar.h"

namespace quillora {

namespace {

struct LunarFestival {
    int day;
    std::string_view monthText;
    std::string_view name;
};

constexpr LunarFestival kLunarFestivals[] = {
    {1, "正月", "春节"},    {15, "正月", "元宵节"}, {5, "五月", "端午节"}, {7, "七月", "七夕节"},
    {15, "八月", "中秋节"}, {9, "九月", "重阳节"},  {8, "腊月", "腊八节"},
};

struct SolarFestivalDay {
    int month;
    int day;
    std::string_view name;
};

constexpr SolarFestivalDay kSolarFestivals[] = {
    {1, 1, "元旦节"},  {2, 14, "情人节"}, {3, 8, "妇女节"},   {4, 1, "愚人节"},  {5, 1, "劳动节"},
    {5, 4, "青年节"},  {6, 1, "儿童节"},  {7, 1, "建党节"},   {8, 1, "建军节"},  {9, 10, "教师节"},
    {10, 1, "国庆节"}, {10, 6, "老人节"}, {10, 31, "万圣节"}, {11, 8, "记者日"}, {12, 25, "圣诞节"},
};

// Festivals on the n-th given weekday of a month: (day - 1) div 7 = week.
struct WeekdayFestival {
    int month;
    int weekday;  // 1 = Sunday ... 7 = Saturday
    int week;
    std::string_view name;
};

constexpr WeekdayFestival kWeekdayFestivals[] = {
    {5, 1, 1, "母亲节"},
    {6, 1, 2, "父亲节"},
    {11, 5, 3, "感恩节"},
};

// Last day of the first sign of each month; the second sign follows.
struct StarSignSplit {
    int lastDay;
    std::string_view first;
    std::string_view second;
};

constexpr StarSignSplit kStarSigns[12] = {
    {19, "摩羯座", "水瓶座"}, {18, "水瓶座", "双鱼座"}, {20, "双鱼座", "白羊座"},
    {19, "白羊座", "金牛座"}, {20, "金牛座", "双子座"}, {21, "双子座", "巨蟹座"},
    {22, "巨蟹座", "狮子座"}, {22, "狮子座", "处女座"}, {22, "处女座", "天秤座"},
    {23, "天秤座", "天蝎座"}, {21, "天蝎座", "射手座"}, {21, "射手座", "摩羯座"},
};

bool InCnRange(int year) {
    return year >= kCnFirstYear && year <= kCnLastYear;
}

std::string SignOf(int month, int day) {
    if (month < 1 || month > 12)
        return {};
    const StarSignSplit& s = kStarSigns[month - 1];
    return std::string(day <= s.lastDay ? s.first : s.second);
}

}  // namespace

int DayOfYear(DateValue date) {
    const DateParts p = DecodeDate(date);
    int days = p.day;
    for (int m = 1; m < p.month; ++m)
        days += DaysInMonth(p.year, m);
    return days;
}

int CnLunarCode(DateValue date) {
    const int year = DecodeDate(date).year;
    if (!InCnRange(year))
        return 0;

    const std::uint32_t record = CnYearTable[year - kCnFirstYear];
    const int byte0 = static_cast<int>(record >> 24);
    const int first = (byte0 & 0x80) ? 12 : 11;
    const int jan1 = byte0 & 0x7F;
    const int lengths = static_cast<int>((record >> 8) & 0xFFFF);
    const int leap = static_cast<int>(record & 0xFF);

    // Sixteen month lengths and seventeen month numbers; a negative number
    // is a leap month, and the month after it continues from its value.
    int days[16];
    int numbers[17];
    numbers[0] = first;
    for (int k = 0; k < 16; ++k) {
        days[k] = (lengths >> (15 - k)) & 1 ? 30 : 29;
        if (numbers[k] == leap) {
            numbers[k + 1] = -leap;
        } else {
            const int next = std::abs(numbers[k]) + 1;
            numbers[k + 1] = next == 13 ? 1 : next;
        }
    }

    const int s = DayOfYear(date) - 1;
    int month = 0;
    int day = 0;
    if (s <= days[0] - jan1) {
        // 1 January's month; it is a leap month when the last day of the
        // year before lies in one.
        day = jan1 + s;
        month = first;
        if (year > kCnFirstYear && CnLunarCode(DateOf(date) - s - 1) < 0)
            month = -month;
    } else {
        int acc = days[0] - jan1;
        int i = 1;
        while (i < 15 && s > acc + days[i]) {
            acc += days[i];
            ++i;
        }
        month = numbers[i];
        day = s - acc;
    }
    return month > 0 ? month * 100 + day : month * 100 - day;
}

std::string CnMonthText(DateValue date) {
    const int m = CnLunarCode(date) / 100;
    if (m < 0)
        return "闰" + std::string(CnMonthNames[-m]);
    if (m > 0)
        return std::string(CnMonthNames[m]) + "月";
    return {};
}

std::string CnDayText(DateValue date) {
    return std::string(CnDayNames[std::abs(CnLunarCode(date)) % 100]);
}

std::string CnFestival(DateValue date) {
    const int code = CnLunarCode(date);
    if (code == 0)
        return {};
    const int day = std::abs(code) % 100;
    const std::string monthText = CnMonthText(date);
    bool festivalDay = false;
    for (const LunarFestival& f : kLunarFestivals) {
        if (f.day != day)
            continue;
        if (monthText == f.monthText)
            return std::string(f.name);
        festivalDay = true;
    }
    if (festivalDay)
        return {};
    // The eve of the new year: the next day begins the first month.
    if (monthText != "正月" && CnMonthText(DateOf(date) + 1) == "正月")
        return "除夕";
    return {};
}

std::string SolarFestival(int day, DateValue date) {
    const DateParts p = DecodeDate(date);
    for (const SolarFestivalDay& f : kSolarFestivals) {
        if (f.month == p.month && f.day == day)
            return std::string(f.name);
    }
    DateValue d = 0;
    if (!TryEncodeDate(p.year, p.month, day, d))
        return {};
    for (const WeekdayFestival& f : kWeekdayFestivals) {
        if (f.month == p.month && DayOfWeek(d) == f.weekday && (day - 1) / 7 == f.week)
            return std::string(f.name);
    }
    return {};
}

int CnTermIndex(int year, int month, int day) {
    if (!InCnRange(year) || month < 1 || month > 12)
        return 0;
    const int byte = CnTermTable[(year - kCnFirstYear) * 12 + month - 1];
    const int h = byte >> 4;
    const int l = byte & 0xF;
    if (day >= 15)
        return day == 15 + l ? 2 * month : 0;
    return day == 15 - h ? 2 * month - 1 : 0;
}

std::string CnTermText(DateValue date) {
    const DateParts p = DecodeDate(date);
    const int index = CnTermIndex(p.year, p.month, p.day);
    return index == 0 ? std::string() : std::string(TermNames[index - 1]);
}

std::string CnZodiac(DateValue date) {
    const DateParts p = DecodeDate(date);
    const int r = ((p.year - 1972) % 12 + 12) % 12;
    if (p.month <= 3) {
        const std::string monthText = CnMonthText(date);
        if (monthText.find("冬") != std::string::npos || monthText.find("腊") != std::string::npos)
            return std::string(CnZodiacNames[(r + 11) % 12]);
    }
    return std::string(CnZodiacNames[r]);
}

std::string StarSign(DateValue date) {
    const DateParts p = DecodeDate(date);
    return SignOf(p.month, p.day);
}

std::string StarSignOfDay(int day, DateValue date) {
    return SignOf(DecodeDate(date).month, day);
}

std::string_view DayLabelKindName(DayLabelKind kind) {
    switch (kind) {
        case DayLabelKind::Day:
            return "day";
        case DayLabelKind::Month:
            return "month";
        case DayLabelKind::SolarFestival:
            return "solarfest";
        case DayLabelKind::Term:
            return "term";
        case DayLabelKind::LunarFestival:
            return "lunarfest";
    }
    return "day";
}

std::vector<PickerDayLabel> PickerMonthLabels(int year, int month) {
    std::vector<PickerDayLabel> labels;
    const int n = DaysInMonth(year, month);
    labels.reserve(n);
    for (int d = 1; d <= n; ++d) {
        const DateValue date = EncodeDate(year, month, d);
        PickerDayLabel label{d, CnDayText(date), DayLabelKind::Day};
        if (label.text == "初一")
            label = {d, CnMonthText(date), DayLabelKind::Month};
        if (std::string s = SolarFestival(d, date); !s.empty())
            label = {d, std::move(s), DayLabelKind::SolarFestival};
        if (std::string s = CnTermText(date); !s.empty())
            label = {d, std::move(s), DayLabelKind::Term};
        if (std::string s = CnFestival(date); !s.empty())
            label = {d, std::move(s), DayLabelKind::LunarFestival};
        labels.push_back(std::move(label));
    }
    return labels;
}

}  // namespace quillora
