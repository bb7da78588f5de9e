#include "bazi/BirthRecord.h"

#include "common/Text.h"
#include "data/Lookups.h"

namespace quillora {

const char* const HourItems[24] = {"子 0",  "丑 1",  "丑 2",  "寅 3",  "寅 4",  "卯 5",
                                   "卯 6",  "辰 7",  "辰 8",  "巳 9",  "巳 10", "午 11",
                                   "午 12", "未 13", "未 14", "申 15", "申 16", "酉 17",
                                   "酉 18", "戌 19", "戌 20", "亥 21", "亥 22", "子 23"};

const char* const SexItems[2] = {"男", "女"};
const char* const CalendarItems[2] = {"公历", "农历"};

std::optional<std::string> HourItemOf(const std::string& text) {
    const std::string t = Trim(text);
    if (t.empty())
        return std::string();
    for (const char* item : HourItems) {
        if (t == item)
            return std::string(item);
    }
    int hour = -1;
    if (TryParseInt(t, hour) && hour >= 0 && hour <= 23)
        return std::string(HourItems[hour]);
    return std::nullopt;
}

namespace {

// The first and last day that have a lunar date.
constexpr DateValue kFirstDate = 32;    // 1900-01-31
constexpr DateValue kLastDate = 73415;  // 2100-12-31

int GbkWidth(const std::string& ch) {
    const int n = GbkByteLength(ch);
    return n > 0 ? n : 2;
}

}  // namespace

std::string GbkBytesOf(const std::string& text, int from, int count) {
    std::string out;
    int pos = 1;
    for (const std::string& ch : SplitChars(text)) {
        if (pos >= from && pos < from + count)
            out += ch;
        pos += GbkWidth(ch);
    }
    return out;
}

BirthReadResult ReadBirthRecord(const BirthEntries& e, const BirthReadOptions& options) {
    BirthReadResult result;
    const auto fail = [&](const char* message, BirthField focus = BirthField::None) {
        result.issue = BirthIssue{message, focus};
        return result;
    };

    const std::string name = Trim(e.name) + Trim(e.givenName);
    if (options.requireName && name.empty())
        return fail(kNameEmptyMessage, BirthField::Name);
    std::string year = Trim(e.year);
    std::string month = Trim(e.month);
    std::string day = Trim(e.day);
    if (year.empty())
        return fail(kYearEmptyMessage);
    if (month.empty())
        return fail(kMonthEmptyMessage);
    if (day.empty())
        return fail(kDayEmptyMessage);
    if (Trim(e.hour).empty())
        return fail(kHourEmptyMessage);

    BirthRecord r;
    r.name = name;
    r.sex = Trim(e.sex);
    r.lunarEntry = e.calendarIndex != 0;

    if (r.lunarEntry) {
        // A lunar entry always means the ordinary month of that number.
        LunarDate entered;
        entered.year = ParseInt(year);
        entered.month = ParseInt(month);
        entered.day = ParseInt(day);
        entered.isLeap = false;
        // Month and day start at 1; the conversion itself would take a typed
        // 0 or a negative number for a day of another month.
        if (entered.month < 1 || entered.day < 1 || !IsValidLunarDate(entered)) {
            return fail(kLunarInvalidMessage);
        }
        const std::string iso = FormatDate(LunarToSolar(entered));
        year = iso.substr(0, 4);
        month = iso.substr(5, 2);
        day = iso.substr(8, 2);
    }
    r.yearText = year;
    r.monthText = month;
    r.dayText = day;
    r.dateText = year + "-" + month + "-" + day;
    r.birthDate = ParseDate(r.dateText);
    if (r.birthDate < kFirstDate || r.birthDate > kLastDate)
        return fail(kDateRangeMessage);

    r.lunar = SolarToLunar(r.birthDate);
    const std::optional<std::string> cycle = YearCycleNameOf(r.lunar);
    if (!cycle)
        return fail(kDateRangeMessage);  // no lunar date: cannot happen in range
    r.lunarText =
        *cycle + LunarMonthName(r.lunar.month, r.lunar.isLeap) + LunarDayName(r.lunar.day);
    r.animal = GbkBytesOf(Trim(*cycle), 6, 2);
    r.constellation = ConstellationOf(r.birthDate);

    r.hourText = Trim(GbkBytesOf(e.hour, 4, 2));
    r.minuteText = e.minute;

    const int currentYear =
        options.currentYear != 0 ? options.currentYear : DecodeDate(Today()).year;
    r.age = currentYear - ParseInt(GbkBytesOf(r.dateText, 1, 4));

    result.record = std::move(r);
    return result;
}

std::vector<std::string> BirthSummaryLines(const BirthRecord& r) {
    const std::string iso = FormatDate(r.birthDate);
    return {
        "姓名：" + r.name,
        "年龄：" + std::to_string(r.age) + "岁",
        "您出生公历：" + iso.substr(0, 4) + "年" + iso.substr(5, 2) + "月" + iso.substr(8, 2) +
            "日" + r.hourText + "点" + r.minuteText + "分",
        "农历：" + r.lunarText,
        "属相：" + r.animal,
        "星座：" + r.constellation,
    };
}

std::optional<FourPillarsChart> BuildChartOf(const BirthRecord& r) {
    return BuildChart(ParseInt(r.yearText), ParseInt(r.monthText), ParseInt(r.dayText),
                      ParseInt(r.hourText), ParseInt(Trim(r.minuteText)), r.sex);
}

}  // namespace quillora
