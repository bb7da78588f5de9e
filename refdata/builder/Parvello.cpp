// "Parvello.dll": the character dictionary (word), the grades of the common
// characters (zirating), the drawing pool (CYZI), the two-character name parts
// (MZ), the Mandarin readings (reading), the sounds a name must not make
// (negsound) and the scored stroke patterns (gz).
#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <utility>

#include "Builder.h"
#include "StrokePatterns.h"
#include "common/Text.h"

namespace quillora::refdata {

namespace {

// The drawing pool is level 1 of the 2013 standard character list.
constexpr int kCommonLevelSize = 3500;

struct WordRow {
    long long bh = 0;
    std::string ft;
    std::string wuhang;
    int tgh = 0;
};

int ToInt(const std::string& text, const std::string& what) {
    try {
        std::size_t used = 0;
        const int v = std::stoi(text, &used);
        if (used == text.size())
            return v;
    } catch (const std::exception&) {
    }
    BuildFailure(what + ": '" + text + "' is not a number");
}

// word: one row per character of word.tsv.
std::map<std::string, WordRow> FillWord(BuildDb& db, const BuildContext& ctx) {
    const Tsv tsv = ReadTsv(ctx.sourceDir / "word" / "word.tsv");
    const int cZi = tsv.Column("zi"), cBh = tsv.Column("bh"), cFt = tsv.Column("ft"),
              cWh = tsv.Column("wuhang"), cTgh = tsv.Column("tgh");
    std::map<std::string, WordRow> words;
    BuildDb::Inserter insert(db, sql::build::kInsertWord);
    for (const auto& row : tsv.rows) {
        const std::string& zi = row.at(cZi);
        if (CharCount(zi) != 1)
            BuildFailure("word.tsv: '" + zi + "' is not one character");
        WordRow w{ToInt(row.at(cBh), "word.tsv bh of " + zi), row.at(cFt), row.at(cWh),
                  ToInt(row.at(cTgh), "word.tsv tgh of " + zi)};
        if (CharCount(w.ft) != 1)
            BuildFailure("word.tsv: ft of " + zi + " is not one character");
        if (!words.emplace(zi, w).second)
            BuildFailure("word.tsv: " + zi + " twice");
        insert.Row({zi, w.bh, w.ft, w.wuhang});
    }
    return words;
}

// The grades of ratings.tsv as stored in zirating.grade: unfit 0 (never
// drawn), plain and weak 1, favoured and bound 2. Weak and bound characters
// are not drawn but may stand in a name part: a weak one has an ordinary
// meaning that makes a drawn name read as a random word (工 号), a bound one
// a favoured meaning that lives in its fixed words (崛起 澎湃); in the appeal
// of a name that holds them they count as plain and favoured.
struct Grade {
    int stored;
    bool drawn;
};

Grade GradeOf(const std::string& grade, const std::string& zi) {
    if (grade == "unfit")
        return {0, false};
    if (grade == "weak")
        return {1, false};
    if (grade == "plain")
        return {1, true};
    if (grade == "bound")
        return {2, false};
    if (grade == "favoured")
        return {2, true};
    BuildFailure("ratings.tsv: " + zi + " has the unknown grade '" + grade + "'");
}

using sql::kNotTrade;
using sql::kPlaceOfTrade;
using sql::kTradeAnywhere;
using sql::kTradeEnding;

// Whether the role bits of a part (1 << PartRole for each role) hold a role.
bool HasRole(int roleBits, sql::PartRole role) {
    return (roleBits & (1 << role)) != 0;
}

// The weight of a drawn character in the random samples: a shop-name
// character that reads anywhere comes early eight times as often as a plain
// one, a place of trade (轩 阁, good only last) three times, a favoured one
// twice, so that a sample holds enough characters that read together.
double DrawWeight(bool favoured, int tradePlace) {
    switch (tradePlace) {
        case kTradeAnywhere:
        case kTradeEnding:
            return 8.0;
        case kPlaceOfTrade:
            return 3.0;
        default:
            return favoured ? 2.0 : 1.0;
    }
}

// The weight of a character drawn for the last place of a three-character
// name, which only an ending (兴 隆 昌) or a place of trade (轩 阁 坊) closes
// so that the name reads whole: a place of trade 24, an ending 12, any other
// character 1.
double LastDrawWeight(int tradePlace) {
    return tradePlace == kPlaceOfTrade ? 24.0 : tradePlace == kTradeEnding ? 12.0 : 1.0;
}

// The weight of a character drawn for a place that a two-character part
// takes: the first (second) place of a two- or three-character name with no
// fixed character, which a front of company.tsv takes (金利 玉龙 盛德), and
// the third (fourth) place of a four-character name with a fixed one, which
// a close or a plain close takes (伟业 兴业 致远). 1000 for the first (second) character of such a
// part, so that a sample of 50 is nearly all of them and about half of the
// parts meet in it (at 40, a sample held some 20 fronts); else the
// character's draw weight.
double PairDrawWeight(bool inPart, double weight) {
    return inPart ? 1000.0 : weight;
}

// zirating and CYZI: every common character with its grade and the drawn
// characters beyond level 1 (extra.tsv), and the drawing pool of the plain
// and favoured ones, numbered in the order of the standard list, each with
// its draw weights. Returns the characters a name part may hold: every one
// not unfit.
std::set<std::string> FillCyzi(BuildDb& db, const BuildContext& ctx,
                               const std::map<std::string, WordRow>& words,
                               const std::map<std::string, int>& trade,
                               const std::map<std::string, int>& roles,
                               const std::map<std::string, bool>& shopNames) {
    const Tsv tsv = ReadTsv(ctx.sourceDir / "cyzi" / "ratings.tsv");
    const int cChar = tsv.Column("char"), cGrade = tsv.Column("grade"),
              cReason = tsv.Column("reason");
    std::map<int, std::string> byIndex;
    std::set<std::string> partChars, favoured;
    BuildDb::Inserter rating(db, sql::build::kInsertRating);
    // Writes a character's rating and notes what a name part and the draw
    // weights need of it.
    auto rate = [&](const std::string& c, const Grade& grade, const std::string& reason) {
        rating.Row({c, static_cast<long long>(grade.stored), reason});
        if (grade.stored == 2)
            favoured.insert(c);
        if (grade.stored > 0)
            partChars.insert(c);
    };
    for (const auto& row : tsv.rows) {
        const std::string& c = row.at(cChar);
        const auto it = words.find(c);
        if (it == words.end() || it->second.tgh < 1 || it->second.tgh > kCommonLevelSize) {
            BuildFailure("ratings.tsv: " + c + " is not a common character");
        }
        const std::string reason = cReason < static_cast<int>(row.size()) ? row[cReason] : "";
        const Grade grade = GradeOf(row.at(cGrade), c);
        if (grade.stored == 0 && Trim(reason).empty())
            BuildFailure("ratings.tsv: unfit " + c + " has no reason");
        if (!byIndex.emplace(it->second.tgh, c).second)
            BuildFailure("ratings.tsv: " + c + " twice");
        rate(c, grade, reason);
        if (!grade.drawn)
            byIndex[it->second.tgh].clear();
    }
    if (byIndex.size() != static_cast<std::size_t>(kCommonLevelSize))
        BuildFailure("ratings.tsv does not rate every common character");
    // extra.tsv: drawn characters beyond level 1 (鑫 晟 淼 焱), after it in the
    // order of the list's numbers.
    const Tsv extra = ReadTsv(ctx.sourceDir / "cyzi" / "extra.tsv");
    const int eChar = extra.Column("char"), eGrade = extra.Column("grade"),
              eReason = extra.Column("reason");
    for (const auto& row : extra.rows) {
        const std::string& c = row.at(eChar);
        const auto it = words.find(c);
        if (it == words.end() || it->second.tgh <= kCommonLevelSize)
            BuildFailure("extra.tsv: " + c + " is not a character of word.tsv beyond level 1");
        const Grade grade = GradeOf(row.at(eGrade), c);
        const std::string reason = eReason < static_cast<int>(row.size()) ? row[eReason] : "";
        if (!grade.drawn || Trim(reason).empty() != (grade.stored == 1))
            BuildFailure("extra.tsv: " + c + " must be plain, or favoured with its meaning");
        if (!byIndex.emplace(it->second.tgh, c).second)
            BuildFailure("extra.tsv: " + c + " twice");
        rate(c, grade, reason);
    }
    // The characters of the fronts (金利) and of the closes, plain ones too
    // (伟业, 致远), by place.
    std::set<std::string> frontFirst, frontSecond, closeFirst, closeSecond;
    for (const auto& [name, typical] : shopNames) {
        if (!typical)
            continue;
        const auto chars = SplitChars(name);
        frontFirst.insert(chars.at(0));
        frontSecond.insert(chars.at(1));
    }
    for (const auto& [part, roleBits] : roles) {
        const auto chars = SplitChars(part);
        if (HasRole(roleBits, sql::kRoleFront) || HasRole(roleBits, sql::kRoleShopFront)) {
            frontFirst.insert(chars.at(0));
            frontSecond.insert(chars.at(1));
        }
        if (HasRole(roleBits, sql::kRoleClose) || HasRole(roleBits, sql::kRolePlainClose)) {
            closeFirst.insert(chars.at(0));
            closeSecond.insert(chars.at(1));
        }
    }
    BuildDb::Inserter insert(db, sql::build::kInsertCyzi);
    long long id = 0;
    for (const auto& [index, zi] : byIndex) {
        if (zi.empty())
            continue;
        const WordRow& w = words.at(zi);
        const auto t = trade.find(zi);
        const int place = t == trade.end() ? kNotTrade : t->second;
        const double weight = DrawWeight(favoured.count(zi) != 0, place);
        insert.Row({++id, zi, w.bh, w.ft, w.wuhang, weight, LastDrawWeight(place),
                    PairDrawWeight(frontFirst.count(zi) != 0, weight),
                    PairDrawWeight(frontSecond.count(zi) != 0, weight),
                    PairDrawWeight(closeFirst.count(zi) != 0, weight),
                    PairDrawWeight(closeSecond.count(zi) != 0, weight)});
    }
    std::printf("  CYZI: %lld characters, %zu beyond level 1 (%zu unfit, %lld weak or bound)\n", id,
                extra.rows.size(),
                static_cast<std::size_t>(kCommonLevelSize) + extra.rows.size() - partChars.size(),
                static_cast<long long>(partChars.size()) - id);
    return partChars;
}

// What a name part is, from its part of speech in jieba's list: 'n' a thing
// (nouns, names), 'a' a quality (adjectives, state words), 'v' an action.
std::string PartKind(const std::string& pos, const std::string& zi) {
    if (pos == "n" || pos == "nz" || pos == "nr" || pos == "nrfg")
        return "n";
    if (pos == "a" || pos == "an" || pos == "z" || pos == "b")
        return "a";
    if (pos == "v" || pos == "vn")
        return "v";
    BuildFailure("parts.tsv: " + zi + " has the unknown part of speech '" + pos + "'");
}

// The roles of company.tsv: for each listed part its role bits, 1 << PartRole
// for each of its roles (front, close, plain close, shop front).
std::map<std::string, int> ReadCompanyRoles(const BuildContext& ctx) {
    const Tsv tsv = ReadTsv(ctx.sourceDir / "mz" / "company.tsv");
    const int cZi = tsv.Column("zi"), cRole = tsv.Column("role");
    std::map<std::string, int> roles;
    for (const auto& row : tsv.rows) {
        const std::string& role = row.at(cRole);
        const int code = role == "front"         ? sql::kRoleFront
                         : role == "close"       ? sql::kRoleClose
                         : role == "plain close" ? sql::kRolePlainClose
                         : role == "shop front"  ? sql::kRoleShopFront
                                                 : 0;
        if (code == 0)
            BuildFailure("company.tsv: " + row.at(cZi) + " has the unknown role '" + role + "'");
        int& roleBits = roles[row.at(cZi)];
        if ((roleBits & (1 << code)) != 0)
            BuildFailure("company.tsv: " + row.at(cZi) + " twice as " + role);
        roleBits |= 1 << code;
    }
    return roles;
}

// MZ: the two-character parts of parts.tsv, of characters rated plain, weak
// or favoured; strokes, forms and elements come from word so that a part
// always agrees with its two characters. A front (华瑞) or a close (伟业) of
// company.tsv is drawn with weight 40 and a plain close with weight 8, any
// other part (a shop front too) with weight 1, so that a sample of 300 holds
// nearly every front and close. partkind: what each part is; partrole: the
// roles.
void FillMz(BuildDb& db, const BuildContext& ctx, const std::map<std::string, WordRow>& words,
            const std::set<std::string>& partChars, std::map<std::string, int> roles) {
    const Tsv tsv = ReadTsv(ctx.sourceDir / "mz" / "parts.tsv");
    const int cZi = tsv.Column("zi"), cPos = tsv.Column("pos");
    BuildDb::Inserter insert(db, sql::build::kInsertMz);
    BuildDb::Inserter kind(db, sql::build::kInsertPartKind);
    BuildDb::Inserter role(db, sql::build::kInsertPartRole);
    std::set<std::string> seen;
    long long id = 0;
    for (const auto& row : tsv.rows) {
        const std::string& zi = row.at(cZi);
        const auto chars = SplitChars(zi);
        if (chars.size() != 2)
            BuildFailure("parts.tsv: '" + zi + "' is not two characters");
        for (const auto& c : chars) {
            if (!partChars.count(c))
                BuildFailure("parts.tsv: " + zi + " uses " + c + ", unfit or not rated");
        }
        if (!seen.insert(zi).second)
            BuildFailure("parts.tsv: " + zi + " twice");
        const WordRow& a = words.at(chars[0]);
        const WordRow& b = words.at(chars[1]);
        const auto r = roles.find(zi);
        const int roleBits = r == roles.end() ? 0 : r->second;
        insert.Row({++id, zi, a.wuhang + b.wuhang, a.ft + b.ft, a.bh + b.bh, a.bh, b.bh,
                    HasRole(roleBits, sql::kRoleFront) || HasRole(roleBits, sql::kRoleClose) ? 40.0
                    : HasRole(roleBits, sql::kRolePlainClose)                                ? 8.0
                                                              : 1.0});
        kind.Row({zi, PartKind(row.at(cPos), zi)});
        for (const sql::PartRole code :
             {sql::kRoleFront, sql::kRoleClose, sql::kRolePlainClose, sql::kRoleShopFront}) {
            if (HasRole(roleBits, code))
                role.Row({zi, static_cast<long long>(code)});
        }
        if (r != roles.end())
            roles.erase(r);
    }
    if (!roles.empty())
        BuildFailure("company.tsv: " + roles.begin()->first + " is not a part of parts.tsv");
    std::printf("  MZ: %lld parts\n", id);
}

// shopnames.tsv: two-character shop names of shop-name characters that are
// no word of jieba's list and so no part (恒通 汇丰 鸿达), each with its grade:
// true for a typical one, which reads as a front as a part of company.tsv
// does, false for a possible one. A name of two different characters that
// read anywhere (any or end in trade.tsv), listed once and not in
// company.tsv.
std::map<std::string, bool> ReadShopNames(const BuildContext& ctx,
                                          const std::map<std::string, int>& trade,
                                          const std::map<std::string, int>& roles) {
    const Tsv tsv = ReadTsv(ctx.sourceDir / "cyzi" / "shopnames.tsv");
    const int cZi = tsv.Column("zi"), cGrade = tsv.Column("grade");
    std::map<std::string, bool> names;
    for (const auto& row : tsv.rows) {
        const std::string& zi = row.at(cZi);
        const std::string& grade = row.at(cGrade);
        const auto chars = SplitChars(zi);
        if (chars.size() != 2 || chars[0] == chars[1])
            BuildFailure("shopnames.tsv: '" + zi + "' is not two different characters");
        for (const std::string& c : chars) {
            const auto t = trade.find(c);
            if (t == trade.end() || (t->second != kTradeAnywhere && t->second != kTradeEnding))
                BuildFailure("shopnames.tsv: " + zi + " holds " + c +
                             ", no shop-name character that reads anywhere");
        }
        if (grade != "typical" && grade != "possible")
            BuildFailure("shopnames.tsv: " + zi + " has the unknown grade '" + grade + "'");
        if (roles.count(zi))
            BuildFailure("shopnames.tsv: " + zi + " is a part of company.tsv");
        if (!names.emplace(zi, grade == "typical").second)
            BuildFailure("shopnames.tsv: " + zi + " twice");
    }
    return names;
}

// partrole: the shop names of shopnames.tsv, a typical one as a front, a
// possible one as a possible shop name.
void FillShopNames(BuildDb& db, const std::map<std::string, bool>& names) {
    BuildDb::Inserter role(db, sql::build::kInsertPartRole);
    for (const auto& [zi, typical] : names)
        role.Row(
            {zi, static_cast<long long>(typical ? sql::kRoleFront : sql::kRolePossibleShopName)});
    std::printf("  partrole: %zu shop names beside the parts\n", names.size());
}

// The characters of shop names of trade.tsv with their places (TradePlace);
// each is a character of word.
std::map<std::string, int> ReadTrade(const BuildContext& ctx,
                                     const std::map<std::string, WordRow>& words) {
    const Tsv tsv = ReadTsv(ctx.sourceDir / "cyzi" / "trade.tsv");
    const int cChar = tsv.Column("char"), cPlace = tsv.Column("place");
    std::map<std::string, int> trade;
    for (const auto& row : tsv.rows) {
        const std::string& c = row.at(cChar);
        const std::string& place = row.at(cPlace);
        if (CharCount(c) != 1 || !words.count(c))
            BuildFailure("trade.tsv: '" + c + "' is not a character of word.tsv");
        const sql::TradePlace code = place == "any"    ? kTradeAnywhere
                                     : place == "last" ? kPlaceOfTrade
                                     : place == "end"  ? kTradeEnding
                                                       : kNotTrade;
        if (code == kNotTrade)
            BuildFailure("trade.tsv: " + c + " has the unknown place '" + place + "'");
        if (!trade.emplace(c, code).second)
            BuildFailure("trade.tsv: " + c + " twice");
    }
    if (trade.size() < 100)
        BuildFailure("trade.tsv holds fewer than 100 characters");
    return trade;
}

// tradezi: the characters of shop names; a common one must not be unfit.
void FillTrade(BuildDb& db, const std::map<std::string, int>& trade,
               const std::map<std::string, WordRow>& words,
               const std::set<std::string>& partChars) {
    BuildDb::Inserter insert(db, sql::build::kInsertTrade);
    for (const auto& [c, place] : trade) {
        const int level = words.at(c).tgh;
        if (level >= 1 && level <= kCommonLevelSize && !partChars.count(c))
            BuildFailure("trade.tsv: " + c + " is rated unfit");
        insert.Row({c, static_cast<long long>(place)});
    }
    std::printf("  tradezi: %zu characters of shop names\n", trade.size());
}

// reading: the customary Mandarin reading of each character that has one,
// and negsound: the sounds a name must not make.
void FillSounds(BuildDb& db, const BuildContext& ctx, const std::map<std::string, WordRow>& words) {
    const Tsv tsv = ReadTsv(ctx.sourceDir / "word" / "readings.tsv");
    const int cChar = tsv.Column("char"), cPinyin = tsv.Column("pinyin"),
              cNumbered = tsv.Column("numbered"), cInitial = tsv.Column("initial"),
              cFinal = tsv.Column("final"), cTone = tsv.Column("tone");
    BuildDb::Inserter insert(db, sql::build::kInsertReading);
    std::set<std::string> seen;
    for (const auto& row : tsv.rows) {
        const std::string& c = row.at(cChar);
        if (!words.count(c))
            BuildFailure("readings.tsv: " + c + " is not in word.tsv");
        if (!seen.insert(c).second)
            BuildFailure("readings.tsv: " + c + " twice");
        insert.Row({c, row.at(cPinyin), row.at(cNumbered), row.at(cInitial), row.at(cFinal),
                    static_cast<long long>(ToInt(row.at(cTone), "readings.tsv tone of " + c))});
    }
    const Tsv negative = ReadTsv(ctx.sourceDir / "word" / "negative-sounds.tsv");
    const int cSound = negative.Column("sound"), cWord = negative.Column("word");
    BuildDb::Inserter sound(db, sql::build::kInsertNegativeSound);
    std::set<std::string> sounds;
    for (const auto& row : negative.rows) {
        if (!sounds.insert(row.at(cSound)).second)
            BuildFailure("negative-sounds.tsv: " + row.at(cSound) + " twice");
        sound.Row({row.at(cSound), row.at(cWord)});
    }
    std::printf("  reading: %zu characters, negsound: %zu sounds\n", seen.size(), sounds.size());
}

void FillGz(BuildDb& db) {
    BuildDb::Inserter insert(db, sql::build::kInsertGz);
    for (int length = 2; length <= 4; ++length) {
        const auto patterns = ScoredPatterns(length);
        for (const auto& p : patterns) {
            insert.Row({static_cast<long long>(p.length), static_cast<long long>(p.strokes[0]),
                        static_cast<long long>(p.strokes[1]), static_cast<long long>(p.strokes[2]),
                        static_cast<long long>(p.strokes[3]), static_cast<long long>(p.score)});
        }
        std::printf("  gz: %zu patterns of length %d\n", patterns.size(), length);
    }
}

void Require(BuildDb& db, const char* sql, const std::string& failure) {
    if (db.Number(sql) != 0)
        BuildFailure(failure);
}

// The checks that fail the build: every drawn character is in the
// dictionary, every stroke count is plausible, every element is one of the
// five, and the tables hold what generation needs.
void CheckParvello(BuildDb& db) {
    namespace check = sql::build;
    Require(db, check::kCyziOutsideWord, "a CYZI character is not in word");
    Require(db, check::kMzOutsideWord, "an MZ character is not in word");
    Require(db, check::kWordStrokesOutOfRange, "a word bh is outside 1..64");
    Require(db, check::kCyziStrokesOutOfRange, "a CYZI bh is outside 1..64");
    Require(db, check::kMzStrokesOutOfRange,
            "an MZ stroke count is outside 1..64 or does not add up");
    Require(db, check::kWordElementUnknown, "a word element is not one of 金木水火土");
    Require(db, check::kCyziElementUnknown, "a CYZI element is not one of 金木水火土");
    Require(db, check::kMzElementUnknown, "an MZ element is not one of 金木水火土");
    for (long long length = 2; length <= 4; ++length) {
        if (db.Number(check::kCountPatterns, {length}) == 0)
            BuildFailure("gz has no patterns of length " + std::to_string(length));
    }
    if (db.Count("word") < 20000)
        BuildFailure("word holds fewer than 20000 characters");
    const long long pool = db.Count("CYZI");
    if (pool < 400 || pool > 2500)
        BuildFailure("CYZI is outside 400..2500 characters");
    if (db.Count("MZ") < 1000)
        BuildFailure("MZ holds fewer than 1000 parts");
}

}  // namespace

void FillParvello(BuildDb& db, const BuildContext& ctx) {
    const auto words = FillWord(db, ctx);
    std::printf("  word: %zu characters\n", words.size());
    const auto trade = ReadTrade(ctx, words);
    const auto roles = ReadCompanyRoles(ctx);
    const auto shopNames = ReadShopNames(ctx, trade, roles);
    const auto partChars = FillCyzi(db, ctx, words, trade, roles, shopNames);
    FillMz(db, ctx, words, partChars, roles);
    FillShopNames(db, shopNames);
    FillTrade(db, trade, words, partChars);
    FillSounds(db, ctx, words);
    FillGz(db);
    CheckParvello(db);
}

void FillVerseWords(BuildDb& db) {
    db.Exec(sql::build::kCreateVerseWord);
    db.Exec(sql::build::kFillVerseWord);
    const long long words = db.Count("verse_word");
    std::printf("  verse_word: %lld pairs of the pool side by side in verse\n", words);
    if (words < 1000)
        BuildFailure("verse_word holds fewer than 1000 pairs");
}

}  // namespace quillora::refdata
