// Registration warnings (注册提示): a first screen of what makes a brand name
// hard or impossible to register as a trademark in China — words of the
// country and the state, official marks and the Red Cross, superlatives,
// names of administrative divisions at county level and above, well-known
// marks, and the generic words of the name's own trade — with the Nice class
// a mark for the suffix's trade is most likely filed in.
//
// The mark is the prefix and the main name; the suffix names the trade. The
// word lists live in table mark_word of "Parvello.dll"; the name is bound as
// one parameter and its substrings are looked up inside the statement.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "naming/NameAnalysis.h"

namespace quillora {

class QueryObject;

// The word lists of mark_word, by their number in the table's list column.
enum class MarkList : int {
    StateWord = 1,    // words of the country and the state, official marks, Red Cross
    Superlative = 2,  // superlatives and exaggeration
    Division = 3,     // administrative divisions at county level and above
    KnownMark = 4,    // well-known marks
    TradeWord = 5,    // generic words of a trade
};

// The flag of a mark_word row whose well-known mark is also an ordinary word.
inline constexpr const char* kCommonWordFlag = "是";

// The Nice class of a trade suffix.
struct TradeClass {
    std::string suffix;  // the listed suffix that matched ("珠宝")
    int number = 0;      // 1 ... 45
    std::string name;    // the class's short name ("珠宝钟表")
    std::string also;    // further classes the trade usually needs ("第35类 广告销售"), or ""
    std::vector<std::string> generic;  // the generic words of the trade's goods
};

// One problem found in a name.
struct RegistrationWarning {
    MarkList list = MarkList::StateWord;
    std::string word;  // the listed word the mark holds
    std::string label;  // the kind of problem, short: "国名", "最高级", "行政区划", "知名商标" ...
    std::string text;  // the whole warning with its reason
};

struct RegistrationCheck {
    std::vector<RegistrationWarning> warnings;
    std::optional<TradeClass> trade;  // when the suffix names a listed trade
    bool hasSuffix = false;
};

// The one-line notice that goes wherever warnings are shown.
inline constexpr const char* kRegistrationDisclaimer =
    "注册提示仅为初步筛查，不构成法律意见；能否注册以商标局审查结果为准。";
// The national trademark office's public search page.
inline constexpr const char* kTrademarkSearchAddress = "https://sbj.cnipa.gov.cn/sbj/sbcx/";

// A typed suffix without its organisational words (九万珠宝有限公司 →
// 九万珠宝 → the trade lookup then finds 珠宝), trimmed.
std::string TradeSuffixOf(std::string_view suffix);

// The trade of a suffix: the longest listed suffix that ends the text (after
// TradeSuffixOf), else the longest one it holds; nullopt for none.
std::optional<TradeClass> TradeClassOf(QueryObject& names, std::string_view suffix);

// Checks the mark (prefix + main name) against the word lists. `trade` is
// the suffix's trade as TradeClassOf gives it (looked up once by callers that
// check many names with one suffix). A word that lies inside a longer listed
// word of the same list is reported once, as the longer word; a well-known
// mark that is also an ordinary word is reported only when the main name is
// the mark, or the mark followed by a generic word of a trade.
RegistrationCheck CheckRegistration(QueryObject& names, const BrandName& name,
                                    const std::optional<TradeClass>& trade);
RegistrationCheck CheckRegistration(QueryObject& names, const BrandName& name);

// Every word of the lists, read once (some 8,000): whether a text holds any
// of them is then found in memory. A caller that checks many names (a page
// of the results grid, a batch) keeps one, so that the many names holding no
// listed word need no statement.
class MarkWords {
  public:
    explicit MarkWords(QueryObject& names);
    // The listed words the text holds, each once.
    std::vector<std::string> In(std::string_view text) const;

  private:
    std::unordered_set<std::string> words_;
    std::size_t longest_ = 0;  // in characters
};

// CheckRegistration with the words found in memory: only the rows of the
// words the mark holds are read, and a mark that holds none reads nothing.
RegistrationCheck CheckRegistration(QueryObject& names, const MarkWords& words,
                                    const BrandName& name, const std::optional<TradeClass>& trade);

// "第14类 珠宝钟表".
std::string TradeClassText(const TradeClass& trade);

// The warnings for one table cell: "中国（国名）；最（最高级）", "" when none.
std::string RegistrationCell(const RegistrationCheck& check);

// The report's block: a heading, one line per warning, the trade's class and
// the disclaimer.
std::vector<std::string> RegistrationLines(const RegistrationCheck& check);

}  // namespace quillora
