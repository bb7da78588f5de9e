// UTF-8 text helpers shared by every subsystem.
//
// Inside the program text is UTF-8. The naming rules count lengths in GBK
// bytes (a Chinese character 2, an ASCII character 1); these helpers map such
// counts onto whole characters so that no text is ever cut through a
// character.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quillora {

// Removes leading and trailing characters whose code is 32 or less.
std::string Trim(std::string_view text);

// Decodes one UTF-8 character starting at text[pos]. Returns its code point
// and advances pos. An invalid or truncated sequence yields U+FFFD and
// advances by one byte, so iteration always terminates.
char32_t NextCodePoint(std::string_view text, std::size_t& pos);

// Appends the UTF-8 encoding of a code point.
void AppendUtf8(std::string& out, char32_t cp);
std::string Utf8Of(char32_t cp);

// True when the text is well-formed UTF-8.
bool IsValidUtf8(std::string_view text);

// The byte-order mark that tells spreadsheet programs a file is UTF-8.
inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// C0 and C1 control characters.
constexpr bool IsControlCharacter(char32_t cp) {
    return cp < 0x20 || (cp >= 0x7F && cp <= 0x9F);
}

// Splits a text at its line ends ("\n" or "\r\n"); a final line end adds no
// empty line.
std::vector<std::string> SplitTextLines(const std::string& text);

// Splits a text into its characters (each element one UTF-8 sequence; an
// invalid byte becomes its own element).
std::vector<std::string> SplitChars(std::string_view text);

// Number of characters.
std::size_t CharCount(std::string_view text);

// The first n characters (all of them when the text is shorter).
std::string LeftChars(std::string_view text, std::size_t n);

// True when the code point is a CJK ideograph (unified, extension or
// compatibility block): the characters a name, a listed word or a line of
// verse is compared by.
bool IsCjkIdeograph(char32_t cp);

// GBK (code page 936) byte length of a text: 1 per ASCII character, 2 per
// character that GBK encodes. Returns -1 when a character cannot be encoded.
int GbkByteLength(std::string_view utf8);

// True when every character of the text can be written in GBK.
bool IsGbkEncodable(std::string_view utf8);

// GBK codec. Utf8ToGbk throws std::runtime_error on a character GBK cannot
// encode; GbkToUtf8 throws on a byte sequence that is not GBK.
std::string Utf8ToGbk(std::string_view utf8);
std::string GbkToUtf8(std::string_view gbk);

// Percent-encodes bytes for a web address: unreserved ASCII stays, every
// other byte becomes %XX (upper-case hex).
std::string PercentEncode(std::string_view bytes);

// Replaces every "\n" with "\r\n" (texts already holding "\r\n" stay).
std::string ToCrlf(std::string_view text);

}  // namespace quillora
