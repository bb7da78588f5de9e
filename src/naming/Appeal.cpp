#include "naming/Appeal.h"

#include <algorithm>

#include "data/Database.h"
#include "data/Statements.h"

namespace quillora {

namespace {

CharFacts FactsOfRow(const QueryObject& q) {
    CharFacts f;
    f.grade = static_cast<int>(q.FieldInt(1));
    f.meaning = q.FieldText(2);
    f.pinyin = q.FieldText(3);
    f.numbered = q.FieldText(4);
    f.initial = q.FieldText(5);
    f.final = q.FieldText(6);
    f.tone = static_cast<int>(q.FieldInt(7));
    return f;
}

bool HasTable(QueryObject& q, const char* table) {
    q.SetStatement(sql::kTableExists, {std::string(table)});
    q.Open();
    return q.RecordCount() > 0;
}

// Runs a statement and hands each of its rows, in order, to `row`.
template <typename Row>
void ForEachRow(QueryObject& q, const char* statement, Row row) {
    q.SetStatement(statement);
    q.Open();
    for (int r = 1; r <= q.RecordCount(); ++r) {
        q.MoveTo(r);
        row(q);
    }
}

void AddNote(std::string& note, const std::string& item) {
    if (item.empty() || note.find(item) != std::string::npos)
        return;
    if (!note.empty())
        note += "；";
    note += item;
}

// The reading of a name that splits into name parts and shop-name
// characters: kWhole when it does, kWholeWithVerse when it does only with
// pairs of verse counted as parts, else kReadsApart. A longer name takes
// things only (金兰佳酿, not 瑰丽黄鹤 or 纯熟泉涌). best[i] is the best reading of
// the first i characters, -1 for no split.
int SplitReading(const AppealBook& book, const std::vector<std::string>& characters) {
    const std::size_t n = characters.size();
    std::vector<int> best(n + 1, -1);
    best[0] = kWhole;
    for (std::size_t i = 1; i <= n; ++i) {
        if (best[i - 1] >= 0 && book.IsTrade(characters[i - 1], i == n, i == n && n > 2))
            best[i] = std::max(best[i], best[i - 1]);
        if (i < 2 || best[i - 2] < 0)
            continue;
        const std::string pair = characters[i - 2] + characters[i - 1];
        const char kind = book.PartKind(pair);
        if (kind != 0 && (n == 2 || kind == 'n'))
            best[i] = std::max(best[i], best[i - 2]);
        else if (kind == 0 && book.InVerse(pair))
            best[i] = std::max(best[i], std::min(best[i - 2], static_cast<int>(kWholeWithVerse)));
    }
    return best[n] < 0 ? kReadsApart : best[n];
}

// A name of two characters: a shop name (宏达: kShopName), a possible one
// (金鑫: kPlainShopName), two shop-name characters (恒瑞: kWholeWithPart, as
// judges passed about three in four of them and about half of the name parts
// alone), a name part (珍珠: kWhole); a quality word alone is too plain for a
// mark (精彩, 富裕, 雅致).
int WholeReadingOfTwo(const AppealBook& book, const std::vector<std::string>& c) {
    const std::string pair = c[0] + c[1];
    if (book.IsFront(pair))
        return kShopName;
    if (book.HasRole(pair, sql::kRolePossibleShopName))
        return kPlainShopName;
    if (book.IsTrade(c[0], false, false) && book.IsTrade(c[1], true, false))
        return kWholeWithPart;
    if (book.PartKind(pair) == 'a')
        return kReadsApart;
    return SplitReading(book, c);
}

// A name of three characters reads whole by its shape: it must close with an
// ending (兴 隆 昌) or a place of trade (轩 阁 坊).
//   kShopName        a two-character shop name closed (盛德隆, 金利居)
//   kPlainShopName   a possible shop name closed (金鑫隆)
//   kWholeWithPart   a thing closed by a place of trade (锦绣阁, 金玉堂), or a
//                    shop-name character before a thing that closes (鸿金利)
//   kWhole           a thing closed by an ending (金玉宝), or three shop-name
//                    characters (瑞丰祥)
//   kWholeWithVerse  a pair of verse closed (明月轩) or after a shop-name
//                    character
// A quality (幸福, 精致) or an action (飞扬) is no part here.
int WholeReadingOfThree(const AppealBook& book, const std::vector<std::string>& c) {
    if (!book.IsTrade(c[2], true, true))
        return kReadsApart;
    const std::string front = c[0] + c[1], back = c[1] + c[2];
    const bool placeLast = book.TradePlace(c[2]) == sql::kPlaceOfTrade;
    const bool tradeFirst = book.IsTrade(c[0], false, false);
    if (book.IsFront(front))
        return kShopName;
    if (book.HasRole(front, sql::kRolePossibleShopName))
        return kPlainShopName;
    if (book.PartKind(front) == 'n' && placeLast)
        return kWholeWithPart;
    if (tradeFirst && book.PartKind(back) == 'n')
        return kWholeWithPart;
    if (book.PartKind(front) == 'n' || (tradeFirst && book.IsTrade(c[1], false, false)))
        return kWhole;
    if ((book.PartKind(front) == 0 && book.InVerse(front)) ||
        (tradeFirst && book.PartKind(back) == 0 && book.InVerse(back)))
        return kWholeWithVerse;
    return kReadsApart;
}

// A name of four characters reads best as a company name: a shop name of two
// characters and a word that closes it (华瑞伟业: kShopName); with a plain
// close (华瑞致远) or after two shop-name characters (恒瑞伟业) it reads
// kWholeWithPart. A shop front (翰林) or a front that is itself a close (安泰,
// 兴业) begins no company name. Otherwise it reads as it splits (白雪银杉).
int WholeReadingOfFour(const AppealBook& book, const std::vector<std::string>& c) {
    const std::string head = c[0] + c[1], tail = c[2] + c[3];
    if (!book.HasRole(head, sql::kRoleClose)) {
        const bool close = book.HasRole(tail, sql::kRoleClose);
        if (book.HasRole(head, sql::kRoleFront)) {
            if (close)
                return kShopName;
            if (book.HasRole(tail, sql::kRolePlainClose))
                return kWholeWithPart;
        }
        if (close && book.IsTrade(c[0], false, false) && book.IsTrade(c[1], false, false))
            return kWholeWithPart;
    }
    return SplitReading(book, c);
}

// How the whole name reads (Reading), by its length; a character doubled in
// a row in a longer name (永泰泰) reads as a slip.
int WholeReading(const AppealBook& book, const std::vector<std::string>& characters) {
    const std::size_t n = characters.size();
    if (n < 2)
        return kReadsApart;
    if (n == 2)
        return WholeReadingOfTwo(book, characters);
    for (std::size_t i = 0; i + 1 < n; ++i) {
        if (characters[i] == characters[i + 1])
            return kReadsApart;
    }
    if (n == 3)
        return WholeReadingOfThree(book, characters);
    if (n == 4)
        return WholeReadingOfFour(book, characters);
    return SplitReading(book, characters);
}

}  // namespace

AppealBook::AppealBook(const std::string& connection) : q_(connection, kCharLookupTimeout) {
    for (const char* table :
         {"zirating", "reading", "negsound", "MZ", "tradezi", "partkind", "partrole"}) {
        if (!HasTable(q_, table))
            tables_ = false;
    }
    if (!tables_)
        return;
    ForEachRow(q_, sql::kAppealCommonFacts,
               [&](const QueryObject& q) { facts_.emplace(q.FieldText(0), FactsOfRow(q)); });
    ForEachRow(q_, sql::kAppealParts, [&](const QueryObject& q) {
        const std::string kind = q.FieldText(1);
        parts_.emplace(q.FieldText(0), kind.empty() ? 'n' : kind[0]);
    });
    // A file built before the verse table gives no verse bonus.
    if (HasTable(q_, "verse_word")) {
        ForEachRow(q_, sql::kAppealVerseWords,
                   [&](const QueryObject& q) { verse_.insert(q.FieldText(0)); });
    }
    ForEachRow(q_, sql::kAppealPartRoles,
               [&](const QueryObject& q) { roles_[q.FieldText(0)] |= 1u << q.FieldInt(1); });
    ForEachRow(q_, sql::kAppealTradeCharacters, [&](const QueryObject& q) {
        trade_.emplace(q.FieldText(0), static_cast<sql::TradePlace>(q.FieldInt(1)));
    });
    ForEachRow(q_, sql::kAppealNegativeSounds,
               [&](const QueryObject& q) { negative_.emplace(q.FieldText(0), q.FieldText(1)); });
    q_.Close();
}

const CharFacts& AppealBook::Facts(const std::string& character) {
    const auto it = facts_.find(character);
    if (it != facts_.end())
        return it->second;
    CharFacts f;
    if (tables_) {
        q_.SetStatement(sql::kAppealOneFacts, {character});
        q_.Open();
        if (q_.RecordCount() > 0)
            f = FactsOfRow(q_);
        q_.Close();
    }
    return facts_.emplace(character, std::move(f)).first->second;
}

char AppealBook::PartKind(const std::string& pair) const {
    const auto it = parts_.find(pair);
    return it == parts_.end() ? 0 : it->second;
}

bool AppealBook::HasRole(const std::string& pair, sql::PartRole role) const {
    const auto it = roles_.find(pair);
    return it != roles_.end() && (it->second & (1u << role)) != 0;
}

sql::TradePlace AppealBook::TradePlace(const std::string& character) const {
    const auto it = trade_.find(character);
    return it == trade_.end() ? sql::kNotTrade : it->second;
}

bool AppealBook::IsTrade(const std::string& character, bool last, bool closes) const {
    switch (TradePlace(character)) {
        case sql::kTradeAnywhere:
            return !closes;
        case sql::kPlaceOfTrade:
            return last && closes;
        case sql::kTradeEnding:
            return true;
        default:
            return false;
    }
}

std::string AppealBook::NegativeWord(const std::string& sound) const {
    const auto it = negative_.find(sound);
    return it == negative_.end() ? std::string() : it->second;
}

NameAppeal AppealOf(AppealBook& book, const std::vector<std::string>& characters) {
    NameAppeal a;
    int points = 60;
    std::vector<const CharFacts*> facts;
    for (const std::string& c : characters)
        facts.push_back(&book.Facts(c));
    bool blemish = false;  // an unfit character or a negative sound

    for (std::size_t i = 0; i < facts.size(); ++i) {
        const CharFacts& f = *facts[i];
        if (!a.pinyin.empty())
            a.pinyin += ' ';
        a.pinyin += f.pinyin.empty() ? characters[i] : f.pinyin;
        if (f.grade == 2) {
            points += 10;
            AddNote(a.note, f.meaning);
        } else if (f.grade == 0) {
            points -= 30;
            blemish = true;
            AddNote(a.note, characters[i] + "字不宜");
        } else if (f.grade < 0) {
            points -= 5;
        }
        if (const std::string w = book.NegativeWord(f.numbered); !w.empty()) {
            points -= 15;
            blemish = true;
            AddNote(a.note, characters[i] + "音近“" + w + "”");
        }
    }

    bool sameTone = facts.size() >= 2;
    bool pairLifted = false;
    bool repeated = false;
    for (std::size_t i = 0; i + 1 < facts.size(); ++i) {
        const CharFacts& x = *facts[i];
        const CharFacts& y = *facts[i + 1];
        const std::string pair = characters[i] + characters[i + 1];
        if (book.IsPart(pair)) {
            points += 10;
            pairLifted = true;
            a.together = kNamePart;
            AddNote(a.note, pair + "成词");
        } else if (book.InVerse(pair)) {
            points += 10;
            pairLifted = true;
            a.together = std::max(a.together, static_cast<int>(kVersePair));
            AddNote(a.note, pair + "见于诗文");
        }
        if (x.tone == 0 || x.tone != y.tone)
            sameTone = false;
        if (!x.initial.empty() && x.initial != "-" && x.initial == y.initial) {
            points -= 6;
            AddNote(a.note, "声母相同拗口");
        }
        if (!x.final.empty() && x.final == y.final) {
            points -= 6;
            AddNote(a.note, "韵母相同拗口");
        }
        if (x.numbered.empty() || y.numbered.empty())
            continue;
        if (const std::string w = book.NegativeWord(x.numbered + " " + y.numbered); !w.empty()) {
            points -= 25;
            blemish = true;
            AddNote(a.note, characters[i] + characters[i + 1] + "音近“" + w + "”");
        }
    }
    for (std::size_t i = 0; i + 2 < characters.size(); ++i) {
        for (std::size_t j = i + 2; j < characters.size(); ++j) {
            if (characters[i] == characters[j]) {
                points -= 10;
                repeated = true;
                AddNote(a.note, characters[i] + "字重出");
            }
        }
    }
    if (sameTone) {
        points -= 8;
        AddNote(a.note, "声调单一");
    }
    if (const int whole = repeated ? kReadsApart : WholeReading(book, characters);
        whole != kReadsApart) {
        a.together = whole;
        if (!pairLifted) {
            points += 10;
            std::string name;
            for (const std::string& c : characters)
                name += c;
            AddNote(a.note, name + "皆字号常用字");
        }
    }
    // A pair that reads together does not lift a name with a blemish.
    if (blemish)
        a.together = kReadsApart;
    a.points = std::clamp(points, 0, 100);
    return a;
}

}  // namespace quillora
