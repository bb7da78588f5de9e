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

namespace {

// "出生年无效：“abc”不是数字，请重新输入!"
std::string NotANumber(const char* field, const std::string& text) {
    return std::string(field) + "无效：“" + text + "”不是数字，请重新输入!";
}

std::string NoSuchDate(int year, int month, int day) {
    return "出生日期无效：" + std::to_string(year) + "年" + std::to_string(month) + "月" +
           std::to_string(day) + "日不存在，请重新选择!";
}

// The message for a lunar date the calendar does not hold, or "" when it
// holds it.
std::string LunarDateIssue(const LunarDate& d) {
    if (d.year <= kLunarFirstYear || d.year >= kLunarLastYear)
        return kLunarRangeMessage;
    const std::string year = "农历" + std::to_string(d.year) + "年";
    if (d.month < 1 || d.month > 12)
        return "农历日期无效：农历没有" + std::to_string(d.month) + "月，请重新选择!";
    if (d.isLeap && LeapMonthOf(d.year) != d.month) {
        const int leap = LeapMonthOf(d.year);
        return "农历日期无效：" + year + "没有" + LunarMonthName(d.month, true) +
               (leap > 0 ? "（该年" + LunarMonthName(leap, true) + "）" : std::string()) +
               "，请重新选择!";
    }
    if (d.day < 1)
        return "农历日期无效：农历没有" + std::to_string(d.day) + "日，请重新选择!";
    const int days = d.isLeap ? LeapMonthDays(d.year) : LunarMonthDays(d.year, d.month);
    if (d.day > days) {
        return "农历日期无效：" + year + LunarMonthName(d.month, d.isLeap) + "只有" +
               std::to_string(days) + "天，请重新选择!";
    }
    return std::string();
}

}  // namespace

BirthReadResult ReadBirthRecord(const BirthEntries& e, const BirthReadOptions& options) {
    BirthReadResult result;
    const auto fail = [&](const std::string& message, BirthField focus = BirthField::None) {
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

    // The numbers, in the order of the entries.
    int y = 0;
    int m = 0;
    int d = 0;
    if (!TryParseInt(year, y))
        return fail(NotANumber("出生年", year), BirthField::Year);
    if (!TryParseInt(month, m))
        return fail(NotANumber("出生月", month), BirthField::Month);
    if (!TryParseInt(day, d))
        return fail(NotANumber("出生日", day), BirthField::Day);

    BirthRecord r;
    r.name = name;
    r.sex = Trim(e.sex);
    r.lunarEntry = e.calendarIndex != 0;

    if (r.lunarEntry) {
        // A lunar entry means the ordinary month of that number unless the
        // leap month is asked for.
        const LunarDate entered{y, m, d, e.leapMonth};
        const std::string issue = LunarDateIssue(entered);
        if (!issue.empty())
            return fail(issue, BirthField::Day);
        const std::string iso = FormatDate(LunarToSolar(entered));
        year = iso.substr(0, 4);
        month = iso.substr(5, 2);
        day = iso.substr(8, 2);
        y = ParseInt(year);
        m = ParseInt(month);
        d = ParseInt(day);
    } else {
        if (e.leapMonth)
            return fail(kLeapGregorianMessage, BirthField::Month);
        if (y < 1900 || y > 2100)
            return fail(kDateRangeMessage, BirthField::Year);
        if (!IsValidDate(y, m, d))
            return fail(NoSuchDate(y, m, d), BirthField::Day);
    }
    // The texts in plain decimal ("+1" and "01" read as 1).
    if (!r.lunarEntry) {
        year = std::to_string(y);
        month = std::to_string(m);
        day = std::to_string(d);
    }
    r.yearText = year;
    r.monthText = month;
    r.dayText = day;
    r.dateText = year + "-" + month + "-" + day;
    r.birthDate = EncodeDate(y, m, d);
    if (r.birthDate < kFirstDate || r.birthDate > kLastDate)
        return fail(kDateRangeMessage, BirthField::Day);

    // Hour and minute: an hour item (or a clock hour typed into an editable
    // list) and a minute 0 to 59.
    const std::optional<std::string> hourItem = HourItemOf(e.hour);
    if (!hourItem || hourItem->empty()) {
        return fail("出生小时无效：“" + Trim(e.hour) + "”不是时辰，请从列表中选择!",
                    BirthField::Hour);
    }
    const std::string minute = Trim(e.minute);
    int mi = 0;
    if (minute.empty())
        return fail(kMinuteEmptyMessage, BirthField::Minute);
    if (!TryParseInt(minute, mi))
        return fail(NotANumber("出生分钟", minute), BirthField::Minute);
    if (mi < 0 || mi > 59) {
        return fail("出生分钟无效：" + std::to_string(mi) + "不在0至59之间，请重新输入!",
                    BirthField::Minute);
    }

    r.lunar = SolarToLunar(r.birthDate);
    const std::optional<std::string> cycle = YearCycleNameOf(r.lunar);
    if (!cycle)
        return fail(kDateRangeMessage);  // no lunar date: cannot happen in range
    r.lunarText =
        *cycle + LunarMonthName(r.lunar.month, r.lunar.isLeap) + LunarDayName(r.lunar.day);
    r.animal = GbkBytesOf(Trim(*cycle), 6, 2);
    r.constellation = ConstellationOf(r.birthDate);

    r.hourText = Trim(GbkBytesOf(*hourItem, 4, 2));
    r.minuteText = e.minute;

    const DateValue today = options.today != 0 ? options.today : Today();
    const int currentYear =
        options.currentYear != 0 ? options.currentYear : DecodeDate(Today()).year;
    r.age = currentYear - y;
    r.unborn = r.birthDate > DateOf(today);

    result.record = std::move(r);
    return result;
}

std::vector<std::string> BirthSummaryLines(const BirthRecord& r) {
    const std::string iso = FormatDate(r.birthDate);
    return {
        "姓名：" + r.name,
        r.unborn ? std::string(kUnbornAgeLine) : "年龄：" + std::to_string(r.age) + "岁",
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
