// Date values and the program's own date/time formats.
//
// A date value is a double count of days since 1899-12-30 (day 0) with the
// time of day as the fraction: day 32 is 1900-01-31, day 73415 is
// 2100-12-31. Text conversions use the program's formats: short date
// "yyyy-MM-dd" (separator "-"), time "H:mm:ss".
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace quillora {

using DateValue = double;

// A failed conversion of typed text (integer, date). Its message is the one
// the user sees.
class ConvertError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

struct DateParts {
    int year = 0;
    int month = 0;
    int day = 0;
};

struct TimeParts {
    int hour = 0;
    int minute = 0;
    int second = 0;
    int msec = 0;
};

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);  // 0 for a month outside 1..12
bool IsValidDate(int year, int month, int day);

// Date of a valid year/month/day (years 1..9999). TryEncodeDate reports an
// impossible date by returning false; EncodeDate throws ConvertError.
bool TryEncodeDate(int year, int month, int day, DateValue& out);
DateValue EncodeDate(int year, int month, int day);
DateValue EncodeTime(int hour, int minute, int second, int msec = 0);
DateValue EncodeDateTime(int year, int month, int day, int hour, int minute, int second);

DateParts DecodeDate(DateValue value);
TimeParts DecodeTime(DateValue value);

// Whole-day part of a date value (the date at midnight).
DateValue DateOf(DateValue value);

// Day of the week, 1 = Sunday ... 7 = Saturday.
int DayOfWeek(DateValue value);

// Today at midnight and now, from the system clock (local time).
DateValue Today();
DateValue Now();

// The program's formats.
std::string FormatDate(DateValue value);      // yyyy-MM-dd
std::string FormatTime(DateValue value);      // H:mm:ss
std::string FormatDateTime(DateValue value);  // yyyy-MM-dd HH:mm:ss (table keys, logs)

// Reads a date in the short format: year, month, day separated by "-"
// ("1980-1-1" and "1980-01-01" both work; blanks around are ignored).
// Throws ConvertError "'<text>' is not a valid date" otherwise.
DateValue ParseDate(std::string_view text);
bool TryParseDate(std::string_view text, DateValue& out);

// Reads a decimal integer (optional blanks before, optional sign). Throws
// ConvertError "'<text>' is not a valid integer value" otherwise.
int ParseInt(std::string_view text);
bool TryParseInt(std::string_view text, int& out);

// Decimal text of an integer, zero-padded to width digits.
std::string IntToStr(long long value, int width = 0);

}  // namespace quillora
