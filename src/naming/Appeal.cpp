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

// The first column of every row of a statement.
void ReadSet(QueryObject& q, const char* statement, std::unordered_set<std::string>& into) {
    q.SetStatement(statement);
    q.Open();
    for (int r = 1; r <= q.RecordCount(); ++r) {
        q.MoveTo(r);
        into.insert(q.FieldText(0));
    }
}

void AddNote(std::string& note, const std::string& item) {
    if (item.empty() || note.find(item) != std::string::npos)
        return;
    if (!note.empty())
        note += "；";
    note += item;
}

}  // namespace

AppealBook::AppealBook(const std::string& connection) : q_(connection, kCharLookupTimeout) {
    for (const char* table : {"zirating", "reading", "negsound", "MZ"}) {
        if (!HasTable(q_, table))
            tables_ = false;
    }
    if (!tables_)
        return;
    q_.SetStatement(sql::kAppealCommonFacts);
    q_.Open();
    for (int r = 1; r <= q_.RecordCount(); ++r) {
        q_.MoveTo(r);
        facts_.emplace(q_.FieldText(0), FactsOfRow(q_));
    }
    ReadSet(q_, sql::kAppealParts, parts_);
    // A file built before the verse table gives no verse bonus.
    if (HasTable(q_, "verse_word"))
        ReadSet(q_, sql::kAppealVerseWords, verse_);
    q_.SetStatement(sql::kAppealNegativeSounds);
    q_.Open();
    for (int r = 1; r <= q_.RecordCount(); ++r) {
        q_.MoveTo(r);
        negative_.emplace(q_.FieldText(0), q_.FieldText(1));
    }
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
    for (std::size_t i = 0; i + 1 < facts.size(); ++i) {
        const CharFacts& x = *facts[i];
        const CharFacts& y = *facts[i + 1];
        const std::string pair = characters[i] + characters[i + 1];
        if (book.IsPart(pair)) {
            points += 10;
            a.together = 2;
            AddNote(a.note, pair + "成词");
        } else if (book.InVerse(pair)) {
            points += 10;
            a.together = std::max(a.together, 1);
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
                AddNote(a.note, characters[i] + "字重出");
            }
        }
    }
    if (sameTone) {
        points -= 8;
        AddNote(a.note, "声调单一");
    }
    // A pair that reads together does not lift a name with a blemish.
    if (blemish)
        a.together = 0;
    a.points = std::clamp(points, 0, 100);
    return a;
}

}  // namespace quillora
