#include "common/Text.h"

#include <iconv.h>

#include <cerrno>
#include <mutex>
#include <stdexcept>

namespace quillora {

std::string Trim(std::string_view text) {
    std::size_t b = 0;
    std::size_t e = text.size();
    while (b < e && static_cast<unsigned char>(text[b]) <= 32)
        ++b;
    while (e > b && static_cast<unsigned char>(text[e - 1]) <= 32)
        --e;
    return std::string(text.substr(b, e - b));
}

char32_t NextCodePoint(std::string_view text, std::size_t& pos) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char c = byte(pos);
    if (c < 0x80) {
        ++pos;
        return c;
    }
    int len = 0;
    char32_t cp = 0;
    if ((c & 0xE0) == 0xC0) {
        len = 2;
        cp = c & 0x1F;
    } else if ((c & 0xF0) == 0xE0) {
        len = 3;
        cp = c & 0x0F;
    } else if ((c & 0xF8) == 0xF0) {
        len = 4;
        cp = c & 0x07;
    } else {
        ++pos;
        return 0xFFFD;
    }
    if (pos + len > text.size()) {
        ++pos;
        return 0xFFFD;
    }
    for (int i = 1; i < len; ++i) {
        const unsigned char cc = byte(pos + i);
        if ((cc & 0xC0) != 0x80) {
            ++pos;
            return 0xFFFD;
        }
        cp = (cp << 6) | (cc & 0x3F);
    }
    // Reject overlong forms, surrogates and values beyond Unicode.
    static const char32_t kMin[5] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kMin[len] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++pos;
        return 0xFFFD;
    }
    pos += len;
    return cp;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::string Utf8Of(char32_t cp) {
    std::string s;
    AppendUtf8(s, cp);
    return s;
}

bool IsValidUtf8(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t start = pos;
        const char32_t cp = NextCodePoint(text, pos);
        if (cp == 0xFFFD && !(pos - start == 3 && text.substr(start, 3) == "\xEF\xBF\xBD")) {
            return false;
        }
    }
    return true;
}

std::vector<std::string> SplitChars(std::string_view text) {
    std::vector<std::string> out;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t start = pos;
        NextCodePoint(text, pos);
        out.emplace_back(text.substr(start, pos - start));
    }
    return out;
}

std::size_t CharCount(std::string_view text) {
    std::size_t n = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        NextCodePoint(text, pos);
        ++n;
    }
    return n;
}

std::string LeftChars(std::string_view text, std::size_t n) {
    std::size_t pos = 0;
    for (std::size_t i = 0; i < n && pos < text.size(); ++i)
        NextCodePoint(text, pos);
    return std::string(text.substr(0, pos));
}

bool IsCjkIdeograph(char32_t cp) {
    return (cp >= 0x4E00 && cp <= 0x9FFF) || (cp >= 0x3400 && cp <= 0x4DBF) ||
           (cp >= 0x20000 && cp <= 0x323AF) || (cp >= 0xF900 && cp <= 0xFAFF) || cp == 0x3007;
}

namespace {

// iconv descriptors are not thread-safe; one pair guarded by a mutex serves
// the whole program (conversions are short and rare).
class GbkCodec {
  public:
    GbkCodec() {
        toGbk_ = iconv_open("GBK", "UTF-8");
        fromGbk_ = iconv_open("UTF-8", "GBK");
        if (toGbk_ == reinterpret_cast<iconv_t>(-1) || fromGbk_ == reinterpret_cast<iconv_t>(-1)) {
            throw std::runtime_error("GBK codec is not available");
        }
    }
    ~GbkCodec() {
        iconv_close(toGbk_);
        iconv_close(fromGbk_);
    }
    bool Convert(bool toGbk, std::string_view in, std::string& out) {
        std::lock_guard<std::mutex> lock(mutex_);
        iconv_t cd = toGbk ? toGbk_ : fromGbk_;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        out.clear();
        std::string buffer(in.size() * 2 + 16, '\0');
        char* inPtr = const_cast<char*>(in.data());
        std::size_t inLeft = in.size();
        char* outPtr = buffer.data();
        std::size_t outLeft = buffer.size();
        const std::size_t r = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        if (r == static_cast<std::size_t>(-1))
            return false;
        // Flush any shift state (none for GBK, but keep the contract).
        iconv(cd, nullptr, nullptr, &outPtr, &outLeft);
        out.assign(buffer.data(), buffer.size() - outLeft);
        return true;
    }

  private:
    std::mutex mutex_;
    iconv_t toGbk_;
    iconv_t fromGbk_;
};

GbkCodec& Codec() {
    static GbkCodec codec;
    return codec;
}

}  // namespace

int GbkByteLength(std::string_view utf8) {
    int total = 0;
    std::size_t pos = 0;
    std::string out;
    while (pos < utf8.size()) {
        const std::size_t start = pos;
        const char32_t cp = NextCodePoint(utf8, pos);
        if (cp < 0x80) {
            total += 1;
            continue;
        }
        if (!Codec().Convert(true, utf8.substr(start, pos - start), out) || out.empty())
            return -1;
        total += static_cast<int>(out.size());
    }
    return total;
}

bool IsGbkEncodable(std::string_view utf8) {
    return GbkByteLength(utf8) >= 0;
}

std::string Utf8ToGbk(std::string_view utf8) {
    std::string out;
    if (!IsValidUtf8(utf8) || !Codec().Convert(true, utf8, out)) {
        throw std::runtime_error("text holds a character that GBK cannot encode");
    }
    return out;
}

std::string GbkToUtf8(std::string_view gbk) {
    std::string out;
    if (!Codec().Convert(false, gbk, out)) {
        throw std::runtime_error("text is not valid GBK");
    }
    return out;
}

std::string PercentEncode(std::string_view bytes) {
    static const char* kHex = "0123456789ABCDEF";
    std::string out;
    for (const char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
            c == '-' || c == '_' || c == '.' || c == '~') {
            out += static_cast<char>(c);
        } else {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 15];
        }
    }
    return out;
}

std::string ToCrlf(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))
            out += '\r';
        out += text[i];
    }
    return out;
}

std::vector<std::string> SplitTextLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

}  // namespace quillora
