#include "common/DateValue.h"

#include <cmath>
#include <cstdio>
#include <ctime>

namespace quillora {

namespace {

constexpr int kCumulativeDays[2][13] = {
    {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334, 365},
    {0, 31, 60, 91, 121, 152, 182, 213, 244, 274, 305, 335, 366}};

// Days from 0001-01-01 to 1899-12-30.
constexpr long kDeltaEpoch = 693594;

}  // namespace

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    if (month < 1 || month > 12)
        return 0;
    const int leap = IsLeapYear(year) ? 1 : 0;
    return kCumulativeDays[leap][month] - kCumulativeDays[leap][month - 1];
}

bool IsValidDate(int year, int month, int day) {
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
           day <= DaysInMonth(year, month);
}

bool TryEncodeDate(int year, int month, int day, DateValue& out) {
    if (!IsValidDate(year, month, day))
        return false;
    const long y = year - 1;
    const long days = y * 365 + y / 4 - y / 100 + y / 400 +
                      kCumulativeDays[IsLeapYear(year) ? 1 : 0][month - 1] + day;
    out = static_cast<double>(days - 1 - kDeltaEpoch + 1);
    return true;
}

DateValue EncodeDate(int year, int month, int day) {
    DateValue v = 0;
    if (!TryEncodeDate(year, month, day, v)) {
        char buf[64];
        std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", year, month, day);
        throw ConvertError(std::string("'") + buf + "' is not a valid date");
    }
    return v;
}

DateValue EncodeTime(int hour, int minute, int second, int msec) {
    return (hour * 3600000.0 + minute * 60000.0 + second * 1000.0 + msec) / 86400000.0;
}

DateValue EncodeDateTime(int year, int month, int day, int hour, int minute, int second) {
    return EncodeDate(year, month, day) + EncodeTime(hour, minute, second);
}

DateValue DateOf(DateValue value) {
    return std::floor(value);
}

DateParts DecodeDate(DateValue value) {
    // Days since 0001-01-01 (day 0).
    long n = static_cast<long>(std::floor(value)) + kDeltaEpoch - 1;
    DateParts p;
    long y = 1;
    const long n400 = n / 146097;
    n %= 146097;
    y += n400 * 400;
    long n100 = n / 36524;
    if (n100 == 4)
        n100 = 3;
    n -= n100 * 36524;
    y += n100 * 100;
    const long n4 = n / 1461;
    n %= 1461;
    y += n4 * 4;
    long n1 = n / 365;
    if (n1 == 4)
        n1 = 3;
    n -= n1 * 365;
    y += n1;
    p.year = static_cast<int>(y);
    const int leap = IsLeapYear(p.year) ? 1 : 0;
    int m = 1;
    while (m < 12 && n >= kCumulativeDays[leap][m])
        ++m;
    p.month = m;
    p.day = static_cast<int>(n - kCumulativeDays[leap][m - 1]) + 1;
    return p;
}

TimeParts DecodeTime(DateValue value) {
    const double frac = value - std::floor(value);
    long long ms = std::llround(frac * 86400000.0);
    if (ms >= 86400000)
        ms = 86399999;
    TimeParts t;
    t.hour = static_cast<int>(ms / 3600000);
    t.minute = static_cast<int>(ms / 60000 % 60);
    t.second = static_cast<int>(ms / 1000 % 60);
    t.msec = static_cast<int>(ms % 1000);
    return t;
}

int DayOfWeek(DateValue value) {
    // Day 0 (1899-12-30) was a Saturday.
    const long d = static_cast<long>(std::floor(value));
    return static_cast<int>(((d % 7) + 7 + 6) % 7) + 1;
}

DateValue Now() {
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    return EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday) +
           EncodeTime(local.tm_hour, local.tm_min, local.tm_sec);
}

DateValue Today() {
    return DateOf(Now());
}

std::string FormatDate(DateValue value) {
    const DateParts p = DecodeDate(value);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", p.year, p.month, p.day);
    return buf;
}

std::string FormatTime(DateValue value) {
    const TimeParts t = DecodeTime(value);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%d:%02d:%02d", t.hour, t.minute, t.second);
    return buf;
}

std::string FormatDateTime(DateValue value) {
    const TimeParts t = DecodeTime(value);
    char buf[32];
    std::snprintf(buf, sizeof buf, " %02d:%02d:%02d", t.hour, t.minute, t.second);
    return FormatDate(value) + buf;
}

namespace {

bool ReadNumber(std::string_view s, std::size_t& pos, int maxDigits, int& out) {
    const std::size_t start = pos;
    long v = 0;
    while (pos < s.size() && s[pos] >= '0' && s[pos] <= '9') {
        if (static_cast<int>(pos - start) >= maxDigits)
            return false;
        v = v * 10 + (s[pos] - '0');
        ++pos;
    }
    if (pos == start)
        return false;
    out = static_cast<int>(v);
    return true;
}

}  // namespace

bool TryParseDate(std::string_view text, DateValue& out) {
    std::size_t b = 0;
    std::size_t e = text.size();
    while (b < e && static_cast<unsigned char>(text[b]) <= 32)
        ++b;
    while (e > b && static_cast<unsigned char>(text[e - 1]) <= 32)
        --e;
    const std::string_view s = text.substr(b, e - b);
    std::size_t pos = 0;
    int y = 0;
    int m = 0;
    int d = 0;
    if (!ReadNumber(s, pos, 4, y) || pos >= s.size() || s[pos++] != '-')
        return false;
    if (!ReadNumber(s, pos, 2, m) || pos >= s.size() || s[pos++] != '-')
        return false;
    if (!ReadNumber(s, pos, 2, d) || pos != s.size())
        return false;
    return TryEncodeDate(y, m, d, out);
}

DateValue ParseDate(std::string_view text) {
    DateValue v = 0;
    if (!TryParseDate(text, v)) {
        throw ConvertError("'" + std::string(text) + "' is not a valid date");
    }
    return v;
}

bool TryParseInt(std::string_view text, int& out) {
    std::size_t pos = 0;
    while (pos < text.size() && text[pos] == ' ')
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    const std::size_t start = pos;
    long long v = 0;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
        v = v * 10 + (text[pos] - '0');
        if (v > 2147483648LL)
            return false;
        ++pos;
    }
    if (pos == start || pos != text.size())
        return false;
    if (negative)
        v = -v;
    if (v > 2147483647LL || v < -2147483648LL)
        return false;
    out = static_cast<int>(v);
    return true;
}

int ParseInt(std::string_view text) {
    int v = 0;
    if (!TryParseInt(text, v)) {
        throw ConvertError("'" + std::string(text) + "' is not a valid integer value");
    }
    return v;
}

std::string IntToStr(long long value, int width) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%0*lld", width, value);
    return buf;
}

}  // namespace quillora
