#include "naming/Registration.h"

#include <algorithm>
#include <tuple>

#include "common/Text.h"
#include "data/QueryObject.h"
#include "data/Statements.h"

namespace quillora {

namespace {

// Organisational words a typed suffix may end in, longest first.
constexpr const char* kOrganisationWords[] = {
    "股份有限公司", "有限责任公司", "有限公司", "集团", "股份", "公司",
};

// Divisions named in one warning before the rest are only counted.
constexpr std::size_t kDivisionsNamed = 3;

struct MarkWordRow {
    std::string word;
    MarkList list;
    std::string kind;
    std::string reason;
    std::string info;
};

std::vector<MarkWordRow> MarkWordsIn(QueryObject& names, const std::string& text) {
    std::vector<MarkWordRow> rows;
    if (text.empty())
        return rows;
    names.Close();
    names.SetStatement(sql::kMarkWordsIn, {text});
    names.Open();
    for (int r = 1; r <= names.RecordCount(); ++r) {
        names.MoveTo(r);
        rows.push_back({names.FieldText(0), static_cast<MarkList>(names.FieldInt(1)),
                        names.FieldText(2), names.FieldText(3), names.FieldText(4)});
    }
    names.Close();
    return rows;
}

bool Contains(const std::string& text, const std::string& word) {
    return text.find(word) != std::string::npos;
}

// True when a longer word, also found, holds this one: 中华人民共和国 is one
// problem, not also 中华, 人民 and the county 共和.
bool InsideLongerWord(const std::vector<MarkWordRow>& rows, const MarkWordRow& row) {
    return std::any_of(rows.begin(), rows.end(), [&](const MarkWordRow& other) {
        return other.word.size() > row.word.size() && Contains(other.word, row.word);
    });
}

// A well-known mark that is also an ordinary word counts only when the main
// name is the mark, or the mark followed by a generic word of some trade.
bool KnownMarkApplies(const MarkWordRow& row, const std::string& mark,
                      const std::vector<MarkWordRow>& rows) {
    if (row.info != kCommonWordFlag || mark == row.word)
        return true;
    if (mark.rfind(row.word, 0) != 0)
        return false;
    const std::string rest = mark.substr(row.word.size());
    return std::any_of(rows.begin(), rows.end(), [&](const MarkWordRow& other) {
        return other.list == MarkList::TradeWord && other.word == rest;
    });
}

std::string Quoted(const std::string& word) {
    return "“" + word + "”";
}

// The divisions behind one found name, the first few by designation.
std::string DivisionList(const std::vector<const MarkWordRow*>& rows) {
    std::string out;
    for (std::size_t i = 0; i < rows.size() && i < kDivisionsNamed; ++i)
        out += (i == 0 ? "" : "、") + rows[i]->info;
    if (rows.size() > kDivisionsNamed)
        out += "等" + std::to_string(rows.size()) + "处";
    return out;
}

}  // namespace

std::string TradeSuffixOf(std::string_view suffix) {
    std::string text = Trim(suffix);
    bool stripped = true;
    while (stripped) {
        stripped = false;
        for (const char* word : kOrganisationWords) {
            const std::string w = word;
            if (text.size() > w.size() && text.compare(text.size() - w.size(), w.size(), w) == 0) {
                text.resize(text.size() - w.size());
                stripped = true;
            }
        }
    }
    return Trim(text);
}

std::optional<TradeClass> TradeClassOf(QueryObject& names, std::string_view suffix) {
    const std::string text = TradeSuffixOf(suffix);
    if (text.empty())
        return std::nullopt;
    names.Close();
    names.SetStatement(sql::kTradeOfSuffix, {text});
    names.Open();
    if (names.RecordCount() == 0) {
        names.Close();
        return std::nullopt;
    }
    TradeClass trade;
    trade.suffix = names.FieldText(0);
    trade.number = static_cast<int>(names.FieldInt(1));
    trade.name = names.FieldText(2);
    trade.also = names.FieldText(3);
    const std::string generic = names.FieldText(4);
    names.Close();
    std::size_t start = 0;
    while (start < generic.size()) {
        const std::size_t blank = std::min(generic.find(' ', start), generic.size());
        trade.generic.push_back(generic.substr(start, blank - start));
        start = blank + 1;
    }
    return trade;
}

namespace {

// The warnings of a mark from the listed words it holds (`found`, ordered by
// list, then longer words first, then table order).
RegistrationCheck WarningsOf(const std::vector<MarkWordRow>& found, const BrandName& name,
                             const std::optional<TradeClass>& trade) {
    RegistrationCheck check;
    check.trade = trade;
    check.hasSuffix = !name.suffix.empty();
    const std::string mark = name.prefix + name.mainName;
    // The words that apply: a common-word mark only as the whole name, a
    // generic word only of the suffix's own trade.
    std::vector<MarkWordRow> rows;
    for (const MarkWordRow& row : found) {
        const bool applies =
            (row.list != MarkList::KnownMark || KnownMarkApplies(row, mark, found)) &&
            (row.list != MarkList::TradeWord || (trade && row.kind == trade->suffix));
        if (applies)
            rows.push_back(row);
    }

    std::vector<std::string> divisionWords;
    for (const MarkWordRow& row : rows) {
        if (InsideLongerWord(rows, row))
            continue;
        RegistrationWarning w;
        w.list = row.list;
        w.word = row.word;
        switch (row.list) {
            case MarkList::StateWord:
            case MarkList::Superlative:
                w.label = row.kind;
                w.text = "含" + Quoted(row.word) + "（" + row.kind + "）：" + row.reason;
                break;
            case MarkList::Division: {
                // One warning per name, however many divisions carry it.
                if (std::find(divisionWords.begin(), divisionWords.end(), row.word) !=
                    divisionWords.end())
                    continue;
                divisionWords.push_back(row.word);
                std::vector<const MarkWordRow*> same;
                for (const MarkWordRow& other : rows) {
                    if (other.list == MarkList::Division && other.word == row.word)
                        same.push_back(&other);
                }
                w.label = "行政区划";
                w.text = "含县级以上行政区划名称" + Quoted(row.word) + "（" + DivisionList(same) +
                         "）：地名作商标一般不予注册，具有其他含义的除外（商标法第十条第二款）";
                break;
            }
            case MarkList::KnownMark:
                w.label = "知名商标";
                w.text = "与知名商标" + Quoted(row.word) + "（" + row.kind +
                         "）相同或近似：易被驳回或引起异议，驰名商标受跨类保护（商标法第十三条）";
                break;
            case MarkList::TradeWord:
                w.label = "通用名称";
                w.text = "含本行业（" + row.kind + "）商品的通用名称" + Quoted(row.word) +
                         "：仅直接表示商品，缺乏显著特征（商标法第十一条）";
                break;
        }
        check.warnings.push_back(std::move(w));
    }
    return check;
}

}  // namespace

RegistrationCheck CheckRegistration(QueryObject& names, const BrandName& name,
                                    const std::optional<TradeClass>& trade) {
    return WarningsOf(MarkWordsIn(names, name.prefix + name.mainName), name, trade);
}

RegistrationCheck CheckRegistration(QueryObject& names, const BrandName& name) {
    return CheckRegistration(names, name, TradeClassOf(names, name.suffix));
}

MarkWords::MarkWords(QueryObject& names) {
    names.Close();
    names.SetStatement(sql::kMarkWordList);
    names.Open();
    words_.reserve(static_cast<std::size_t>(names.RecordCount()));
    for (int r = 1; r <= names.RecordCount(); ++r) {
        names.MoveTo(r);
        std::string word = names.FieldText(0);
        longest_ = std::max(longest_, CharCount(word));
        words_.insert(std::move(word));
    }
    names.Close();
}

std::vector<std::string> MarkWords::In(std::string_view text) const {
    const std::vector<std::string> chars = SplitChars(text);
    std::vector<std::string> found;
    for (std::size_t start = 0; start < chars.size(); ++start) {
        std::string part;
        for (std::size_t i = start; i < chars.size() && i - start < longest_; ++i) {
            part += chars[i];
            if (words_.count(part) != 0 &&
                std::find(found.begin(), found.end(), part) == found.end())
                found.push_back(part);
        }
    }
    return found;
}

RegistrationCheck CheckRegistration(QueryObject& names, const MarkWords& words,
                                    const BrandName& name, const std::optional<TradeClass>& trade) {
    // The rows of the words found, one indexed read each, in the order the
    // statement over the whole mark gives them.
    std::vector<std::pair<long long, MarkWordRow>> keyed;
    for (const std::string& word : words.In(name.prefix + name.mainName)) {
        names.Close();
        names.SetStatement(sql::kMarkWordRows, {word});
        names.Open();
        for (int r = 1; r <= names.RecordCount(); ++r) {
            names.MoveTo(r);
            keyed.push_back({names.FieldInt(5),
                             {names.FieldText(0), static_cast<MarkList>(names.FieldInt(1)),
                              names.FieldText(2), names.FieldText(3), names.FieldText(4)}});
        }
        names.Close();
    }
    std::sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) {
        const auto key = [](const auto& k) {
            return std::tuple(static_cast<int>(k.second.list), -CharCount(k.second.word), k.first);
        };
        return key(a) < key(b);
    });
    std::vector<MarkWordRow> found;
    for (auto& k : keyed)
        found.push_back(std::move(k.second));
    return WarningsOf(found, name, trade);
}

std::string TradeClassText(const TradeClass& trade) {
    return "第" + std::to_string(trade.number) + "类 " + trade.name;
}

std::string RegistrationCell(const RegistrationCheck& check) {
    std::string cell;
    for (const RegistrationWarning& w : check.warnings)
        cell += (cell.empty() ? "" : "；") + w.word + "（" + w.label + "）";
    return cell;
}

std::vector<std::string> RegistrationLines(const RegistrationCheck& check) {
    std::vector<std::string> lines = {"【注册提示】："};
    if (check.warnings.empty()) {
        lines.push_back(
            "未见国家名称、官方标志、夸大用语、行政区划、知名商标或本行业通用名称等明显障碍。");
    }
    for (std::size_t i = 0; i < check.warnings.size(); ++i)
        lines.push_back(std::to_string(i + 1) + "、" + check.warnings[i].text);
    if (check.trade) {
        std::string line = "行业类别：" + TradeClassText(*check.trade) + "（按行业后缀“" +
                           check.trade->suffix + "”）";
        if (!check.trade->also.empty())
            line += "，常需一并申请" + check.trade->also;
        lines.push_back(line);
    } else if (check.hasSuffix) {
        lines.push_back("行业类别：行业后缀不在常见行业之列，请自行确定尼斯分类。");
    }
    lines.push_back(kRegistrationDisclaimer);
    return lines;
}

}  // namespace quillora
