// The appeal of a proposed name: how well it reads as a brand, from the
// characters' grades, whether neighbouring characters form a name word, and
// how the name sounds in Mandarin. Shown beside 总体评分, never folded into it.
//
// Rules (points start at 60, the result is kept within 0..100):
//   each favoured character                         +10
//   each character outside the rated common list     -5
//   each unfit character (a fixed one can be)       -30
//   each two neighbouring characters that form a
//   name part of MZ (锦绣, 匠心) or stand side by
//   side in a line of classical verse (明月, 清风)   +10
//   a name of shop-name characters only (恒瑞,
//   瑞丰祥: tradezi, a place of trade such as 轩
//   only last) that no pair above lifted            +10
//   one character twice, not side by side (松满松)   -10
//   every character in the same tone (2 or more)     -8
//   two neighbouring characters with the same
//   initial, or with the same final                  -6 each
//   a character that sounds like a word of negsound
//   (死, 输, 亏 ...)                                 -15 each
//   two neighbouring characters that sound like a
//   two-syllable word of negsound (失败, 倒闭)      -25 each
#pragma once

#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "data/QueryObject.h"
#include "data/Statements.h"

namespace quillora {

// What the tables of "Parvello.dll" say about one character.
struct CharFacts {
    int grade = -1;        // 0 unfit, 1 plain, 2 favoured; -1 not rated
    std::string meaning;   // the grade's reason: the meaning of a favoured one
    std::string pinyin;    // with tone marks, "huá"; "" without a reading
    std::string numbered;  // "hua2"
    std::string initial;   // "h", "-" for none
    std::string final;     // "ua"
    int tone = 0;          // 1..5, 0 without a reading
};

// The facts of the characters a run looks at, read from "Parvello.dll":
// loaded once for the common characters, and one at a time for any other
// character asked for. A file without the tables (an older or a scratch
// file) gives every character empty facts.
class AppealBook {
  public:
    // Reads the tables of the file of the connection string.
    explicit AppealBook(const std::string& connection);

    const CharFacts& Facts(const std::string& character);
    bool IsPart(const std::string& pair) const { return parts_.count(pair) != 0; }
    // What a name part is: 'n' a thing, 'a' a quality, 'v' an action; 0 for
    // a pair that is no part.
    char PartKind(const std::string& pair) const;
    // Whether a pair has a role in a company name (partrole).
    bool HasRole(const std::string& pair, sql::PartRole role) const;
    // A shop name of two characters (宏达 恒通, 翰林): a front of a company or
    // of a shop.
    bool IsFront(const std::string& pair) const {
        return HasRole(pair, sql::kRoleFront) || HasRole(pair, sql::kRoleShopFront);
    }
    // Whether the two characters stand side by side in a line of verse.
    bool InVerse(const std::string& pair) const { return verse_.count(pair) != 0; }
    // Where a shop-name character reads (tradezi.place); kNotTrade for
    // another character.
    sql::TradePlace TradePlace(const std::string& character) const;
    // Whether a character reads in a shop name at this place: `closes` is
    // true for the last character of a name of three or more characters,
    // which only an ending (兴 隆 昌) or a place of trade (轩 阁 坊) closes;
    // a place of trade reads only there (堂 after one character, 发堂,
    // reads as no shop name).
    bool IsTrade(const std::string& character, bool last, bool closes) const;
    // The word a numbered sound ("si3", "shi1 bai4") calls up, or "".
    std::string NegativeWord(const std::string& sound) const;

  private:
    QueryObject q_;
    bool tables_ = true;
    std::unordered_map<std::string, CharFacts> facts_;
    std::unordered_map<std::string, char> parts_;
    std::unordered_set<std::string> verse_;
    std::unordered_map<std::string, unsigned> roles_;  // 1 << PartRole for each role
    std::unordered_map<std::string, sql::TradePlace> trade_;
    std::unordered_map<std::string, std::string> negative_;
};

// How a name reads. A name reads whole when it splits into name parts and
// shop-name characters (锦绣, 恒瑞, 锦绣阁, 金凤凰, 瑞丰祥), best when it
// begins with a part; with pairs of verse counted as parts it reads whole
// from verse (明月轩). A quality word alone (精彩, 富裕) is too plain for a
// mark and does not read whole; in a name of three characters an action
// (传承) is no part of such a split and a quality (幸福) may only begin it; a
// name of four splits into things only (金兰佳酿, not 瑰丽黄鹤). Best of all
// reads a name built on a two-character shop name (partrole's fronts and
// the typical shop names of refdata/cyzi/shopnames.tsv, judged blind: 宏达
// 金利 恒通): the shop name alone, closed by an ending or a place of trade
// (盛德堂, 宏达昌) or followed by a word that closes a company name (华瑞伟业);
// a possible shop name (金鑫) alone or closed reads next.
enum Reading {
    kReadsApart = 0,      // no two neighbours read together
    kVersePair = 1,       // two neighbours stand side by side in verse
    kNamePart = 2,        // two neighbours form a name part
    kWholeWithVerse = 3,  // reads whole when verse pairs count as parts
    kWhole = 4,           // reads whole from shop-name characters and parts (珍珠, 瑞丰祥)
    kWholeWithPart = 5,   // reads whole and begins with a name part (锦绣阁, 幸福德), or two
                          // shop-name characters (恒瑞)
    kPlainShopName = 6,  // a possible shop name of two characters, alone or closed (金鑫, 金鑫隆)
    kShopName = 7,  // a shop name of two characters, alone or closed (宏达, 盛德堂, 华瑞伟业)
};

struct NameAppeal {
    int points = 0;
    // How well the name reads (Reading); kReadsApart for a name with an
    // unfit character or a negative sound, and no whole reading for a name
    // that holds one character twice apart.
    int together = kReadsApart;
    std::string pinyin;  // "huá ruì", syllables separated by one space
    std::string note;    // the meanings and what the sound rules found
};

NameAppeal AppealOf(AppealBook& book, const std::vector<std::string>& characters);

}  // namespace quillora
