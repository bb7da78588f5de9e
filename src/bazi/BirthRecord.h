// The legal person's birth data as read from one input group: the checks in
// their fixed order, the lunar conversion, and the record every report and
// the generation take their birth data from.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "bazi/Chart.h"
#include "calendar/LunarCalendar.h"
#include "common/DateValue.h"

namespace quillora {

// The 24 items of the hour entry: the branch of the double hour, one blank
// and the clock hour ("子 0" … "子 23"). Only the number is read.
extern const char* const HourItems[24];

// The hour item for a typed hour: a whole item stands as it is, a clock hour
// 0 to 23 gives its item ("10" gives "巳 10"), blanks give "". Anything else
// gives nothing.
std::optional<std::string> HourItemOf(const std::string& text);

// The items of the sex and calendar entries.
extern const char* const SexItems[2];       // "男", "女"
extern const char* const CalendarItems[2];  // "公历", "农历"

// The texts of one input group as its controls hold them.
struct BirthEntries {
    std::string name;       // the name entry; the surname on the Four Pillars page
    std::string givenName;  // the given name on the Four Pillars page, else empty
    std::string sex;
    int calendarIndex = 0;  // the calendar entry's selection; 0 is "公历"
    std::string year;
    std::string month;
    std::string day;
    std::string hour;  // the hour item, e.g. "子 0"
    std::string minute;
    bool leapMonth = false;  // a lunar entry names the leap month of that number
};

// The entry that takes the focus after a failed check.
enum class BirthField { None, Name, Year, Month, Day, Hour, Minute };

// A failed check: the message shown and the entry focused afterwards.
struct BirthIssue {
    std::string message;
    BirthField focus = BirthField::None;
};

struct BirthRecord {
    std::string name;  // trimmed; surname + given name joined on the Four Pillars page
    std::string sex;   // trimmed
    bool lunarEntry = false;
    std::string yearText;
    std::string monthText;
    std::string dayText;
    std::string dateText;  // yearText-monthText-dayText
    DateValue birthDate = 0;
    std::string hourText;    // "0" to "23"
    std::string minuteText;  // as entered, not trimmed
    LunarDate lunar;
    std::string lunarText;  // e.g. 己未(羊年)十一月十四
    std::string animal;
    std::string constellation;
    int age = 0;
    bool unborn = false;  // the birth date lies after today: no age is given
};

// What the page asks beyond the date checks.
struct BirthReadOptions {
    bool requireName = false;  // the generation page: "姓名不能为空!"
    int currentYear = 0;       // the year the age counts to; 0 reads the system clock
    DateValue today = 0;       // the day a later birth is refused an age; 0 reads the clock
};

// Either a record or the first failed check.
struct BirthReadResult {
    std::optional<BirthRecord> record;
    BirthIssue issue;
    explicit operator bool() const { return record.has_value(); }
};

// The messages of the checks.
inline constexpr const char* kNameEmptyMessage = "姓名不能为空!";
inline constexpr const char* kYearEmptyMessage = "请选择出生年!";
inline constexpr const char* kMonthEmptyMessage = "请选择出生月!";
inline constexpr const char* kDayEmptyMessage = "请选择出生日!";
inline constexpr const char* kHourEmptyMessage = "请选择出生小时!";
inline constexpr const char* kMinuteEmptyMessage = "请选择出生分钟!";
inline constexpr const char* kLeapGregorianMessage = "闰月只用于农历日期，请重新选择!";
inline constexpr const char* kLunarRangeMessage = "农历日期只支持1901年至2099年，请重新选择!";
inline constexpr const char* kDateRangeMessage = "出生日期超出范围(1900年1月31日至2100年12月31日)!";
// The age line of a birth after today.
inline constexpr const char* kUnbornAgeLine = "年龄：尚未出生";

// Checks the entries in their fixed order and builds the record. Every entry
// that cannot be read (a number that is none, a date that does not exist, a
// lunar date beyond the calendar, a minute outside 0 to 59, an hour that is
// no hour item) comes back as an issue naming the entry, in Chinese.
BirthReadResult ReadBirthRecord(const BirthEntries& entries, const BirthReadOptions& options = {});

// The six lines about the legal person that the reports print.
std::vector<std::string> BirthSummaryLines(const BirthRecord& record);

// The chart of the record: year, month and day from the date texts, hour and
// minute from their texts, sex. ReadBirthRecord has checked every text.
std::optional<FourPillarsChart> BuildChartOf(const BirthRecord& record);

// The characters of a text that start at GBK bytes from … from + count − 1
// (counted from 1): a Chinese character counts two bytes, ASCII one.
std::string GbkBytesOf(const std::string& text, int from, int count);

}  // namespace quillora
