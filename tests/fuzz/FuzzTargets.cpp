#include "FuzzTargets.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "bazi/BirthRecord.h"
#include "common/DateValue.h"
#include "common/Text.h"

namespace quillora::fuzz {

namespace {

[[noreturn]] void Broken(const char* what, std::string_view input) {
    std::fprintf(stderr, "fuzz property broken: %s\ninput (%zu bytes):", what, input.size());
    for (const char c : input.substr(0, 200))
        std::fprintf(stderr, " %02x", static_cast<unsigned char>(c));
    std::fprintf(stderr, "\n");
    std::abort();
}

#define FUZZ_CHECK(cond, input)     \
    do {                            \
        if (!(cond))                \
            Broken(#cond, (input)); \
    } while (false)

std::string_view View(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// The input cut at NUL bytes into at most n fields (missing ones empty).
std::vector<std::string> Fields(std::string_view input, std::size_t n) {
    std::vector<std::string> out;
    std::size_t start = 0;
    while (out.size() + 1 < n) {
        const std::size_t nul = input.find('\0', start);
        if (nul == std::string_view::npos)
            break;
        out.emplace_back(input.substr(start, nul - start));
        start = nul + 1;
    }
    out.emplace_back(start <= input.size() ? input.substr(start) : std::string_view());
    out.resize(n);
    return out;
}

bool AllBlankOrEmpty(std::string_view s) {
    for (const char c : s) {
        if (static_cast<unsigned char>(c) > 32)
            return false;
    }
    return true;
}

// An independent reading of the integer format: blanks (spaces only), an
// optional sign, decimal digits to the end, within int.
bool ReferenceInt(std::string_view s, int& out) {
    std::size_t pos = 0;
    while (pos < s.size() && s[pos] == ' ')
        ++pos;
    bool negative = false;
    if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) {
        negative = s[pos] == '-';
        ++pos;
    }
    const std::string_view digits = s.substr(pos);
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos)
        return false;
    long long v = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), v);
    if (ec != std::errc() || end != digits.data() + digits.size())
        return false;
    if (negative)
        v = -v;
    if (v < -2147483648LL || v > 2147483647LL)
        return false;
    out = static_cast<int>(v);
    return true;
}

}  // namespace

void FuzzText(const std::uint8_t* data, std::size_t size) {
    const std::string_view in = View(data, size);

    // Characters: splitting loses and adds nothing, and agrees with the count.
    const std::vector<std::string> chars = SplitChars(in);
    std::string joined;
    for (const std::string& ch : chars) {
        FUZZ_CHECK(!ch.empty() && ch.size() <= 4, in);
        joined += ch;
    }
    FUZZ_CHECK(joined == in, in);
    FUZZ_CHECK(CharCount(in) == chars.size(), in);
    const std::size_t n = size % 7;
    const std::string left = LeftChars(in, n);
    FUZZ_CHECK(in.substr(0, left.size()) == left, in);
    FUZZ_CHECK(CharCount(left) == std::min(n, chars.size()), in);

    // Trimming removes exactly the bytes of code 32 or less at both ends.
    const std::string trimmed = Trim(in);
    FUZZ_CHECK(in.find(trimmed) != std::string_view::npos, in);
    if (!trimmed.empty()) {
        FUZZ_CHECK(static_cast<unsigned char>(trimmed.front()) > 32, in);
        FUZZ_CHECK(static_cast<unsigned char>(trimmed.back()) > 32, in);
    } else {
        FUZZ_CHECK(AllBlankOrEmpty(in), in);
    }
    FUZZ_CHECK(Trim(trimmed) == trimmed, in);

    // Valid UTF-8 splits into characters that each decode as one code point.
    const bool valid = IsValidUtf8(in);
    if (valid) {
        for (const std::string& ch : chars) {
            std::size_t pos = 0;
            const char32_t cp = NextCodePoint(ch, pos);
            FUZZ_CHECK(pos == ch.size(), in);
            FUZZ_CHECK(Utf8Of(cp) == ch, in);
        }
    }

    // GBK: the byte length is what the encoder writes, the decoder gives the
    // same text back up to the encoder's one-way mappings, and a text the
    // codec refuses is reported by an exception of the documented kind.
    const int gbkLength = GbkByteLength(in);
    FUZZ_CHECK(gbkLength >= -1, in);
    FUZZ_CHECK(IsGbkEncodable(in) == (gbkLength >= 0), in);
    if (valid && gbkLength >= 0) {
        std::string gbk;
        try {
            gbk = Utf8ToGbk(in);
        } catch (const std::runtime_error&) {
            Broken("Utf8ToGbk refused a text GbkByteLength measured", in);
        }
        FUZZ_CHECK(static_cast<int>(gbk.size()) == gbkLength, in);
        std::string back;
        try {
            back = GbkToUtf8(gbk);
        } catch (const std::runtime_error&) {
            Broken("GbkToUtf8 refused the encoder's own output", in);
        }
        FUZZ_CHECK(IsValidUtf8(back), in);
        FUZZ_CHECK(CharCount(back) == chars.size(), in);
        FUZZ_CHECK(Utf8ToGbk(back) == gbk, in);
    } else {
        bool refused = false;
        try {
            Utf8ToGbk(in);
        } catch (const std::runtime_error&) {
            refused = true;
        }
        FUZZ_CHECK(refused, in);
    }
    // Any bytes read as GBK: refused, or valid UTF-8 that encodes back.
    try {
        const std::string decoded = GbkToUtf8(in);
        FUZZ_CHECK(IsValidUtf8(decoded), in);
        FUZZ_CHECK(GbkByteLength(decoded) >= 0, in);
    } catch (const std::runtime_error&) {
    }

    // Percent-encoding keeps only unreserved characters and % escapes.
    const std::string encoded = PercentEncode(in);
    FUZZ_CHECK(encoded.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"
                                         "0123456789-_.~%") == std::string::npos,
               in);

    // CRLF: no line feed stands alone afterwards, and nothing else changes.
    const std::string crlf = ToCrlf(in);
    for (std::size_t i = 0; i < crlf.size(); ++i) {
        if (crlf[i] == '\n')
            FUZZ_CHECK(i > 0 && crlf[i - 1] == '\r', in);
    }
    FUZZ_CHECK(ToCrlf(crlf) == crlf, in);

    // Cutting by GBK bytes never cuts through a character.
    const int from = static_cast<int>(size % 9) - 1;
    const int count = static_cast<int>(size % 5);
    const std::string cut = GbkBytesOf(std::string(in), from, count);
    FUZZ_CHECK(in.find(cut) != std::string_view::npos, in);
    FUZZ_CHECK(SplitChars(cut).size() <= static_cast<std::size_t>(std::max(count, 0)), in);
}

void FuzzDateReaders(const std::uint8_t* data, std::size_t size) {
    const std::string_view in = View(data, size);

    int value = 0;
    const bool read = TryParseInt(in, value);
    int expected = 0;
    FUZZ_CHECK(read == ReferenceInt(in, expected), in);
    if (read)
        FUZZ_CHECK(value == expected, in);
    try {
        FUZZ_CHECK(ParseInt(in) == value && read, in);
    } catch (const ConvertError& e) {
        FUZZ_CHECK(!read, in);
        // The message quotes the text; a NUL (never typed) ends what() early.
        if (in.find('\0') == std::string_view::npos) {
            FUZZ_CHECK(
                std::string(e.what()) == "'" + std::string(in) + "' is not a valid integer value",
                in);
        }
    }

    DateValue date = 0;
    const bool dated = TryParseDate(in, date);
    if (dated) {
        // A date read is a whole day of a real date, and its text reads back
        // to the same day.
        FUZZ_CHECK(date == static_cast<double>(static_cast<long long>(date)), in);
        const DateParts parts = DecodeDate(date);
        FUZZ_CHECK(IsValidDate(parts.year, parts.month, parts.day), in);
        DateValue again = -1;
        FUZZ_CHECK(TryParseDate(FormatDate(date), again) && again == date, in);
        FUZZ_CHECK(DayOfWeek(date) >= 1 && DayOfWeek(date) <= 7, in);
    }
    try {
        FUZZ_CHECK(ParseDate(in) == date && dated, in);
    } catch (const ConvertError& e) {
        FUZZ_CHECK(!dated, in);
        if (in.find('\0') == std::string_view::npos)
            FUZZ_CHECK(std::string(e.what()) == "'" + std::string(in) + "' is not a valid date",
                       in);
    }

    // The hour entry: an item, a blank entry, or nothing.
    const std::optional<std::string> item = HourItemOf(std::string(in));
    if (item && !item->empty()) {
        bool known = false;
        for (const char* h : HourItems)
            known = known || *item == h;
        FUZZ_CHECK(known, in);
    }
    if (item && item->empty())
        FUZZ_CHECK(AllBlankOrEmpty(in), in);
}

void FuzzBirthRecord(const std::uint8_t* data, std::size_t size) {
    const std::string_view in = View(data, size);
    if (size < 1)
        return;
    const std::uint8_t flags = data[0];
    const std::vector<std::string> f = Fields(in.substr(1), 8);
    BirthEntries e;
    e.name = f[0];
    e.givenName = (flags & 1) != 0 ? f[1] : std::string();
    e.sex = (flags & 2) != 0 ? SexItems[(flags >> 2) & 1] : f[1];
    e.calendarIndex = (flags >> 3) & 1;
    e.year = f[2];
    e.month = f[3];
    e.day = f[4];
    // The page's hour entry holds one of its items; the command line passes
    // typed text through HourItemOf. Both ways are read.
    if ((flags & 16) != 0) {
        const std::optional<std::string> item = HourItemOf(f[5]);
        e.hour = item ? *item : std::string();
    } else {
        e.hour = f[5];
    }
    e.minute = f[6];
    BirthReadOptions options;
    options.requireName = (flags & 32) != 0;
    options.currentYear = 2024;

    // Every entry that cannot be read comes back as a message, never as an
    // exception.
    const BirthReadResult result = ReadBirthRecord(e, options);
    if (!result) {
        FUZZ_CHECK(!result.issue.message.empty(), in);
        return;
    }
    const BirthRecord& r = *result.record;
    FUZZ_CHECK(r.birthDate >= 32 && r.birthDate <= 73415, in);
    FUZZ_CHECK(r.lunar.year != 0 && r.lunar.month >= 1 && r.lunar.month <= 12, in);
    FUZZ_CHECK(r.lunar.day >= 1 && r.lunar.day <= 30, in);
    FUZZ_CHECK(!r.lunarText.empty() && !r.animal.empty(), in);
    FUZZ_CHECK(r.age == 2024 - DecodeDate(r.birthDate).year, in);
    DateValue again = -1;
    FUZZ_CHECK(TryParseDate(r.dateText, again) && again == r.birthDate, in);
    const std::vector<std::string> lines = BirthSummaryLines(r);
    FUZZ_CHECK(lines.size() == 6, in);
}

void FuzzAll(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return;
    switch (data[0] % 3) {
        case 0:
            FuzzText(data + 1, size - 1);
            break;
        case 1:
            FuzzDateReaders(data + 1, size - 1);
            break;
        default:
            FuzzBirthRecord(data + 1, size - 1);
            break;
    }
}

}  // namespace quillora::fuzz
