#include "naming/Shortlist.h"

#include <cstring>

#include "common/Text.h"
#include "common/UserFiles.h"

namespace quillora {

std::vector<std::string> MemoLines(const std::string& text) {
    return SplitTextLines(text);
}

bool ShortlistHas(const std::string& memoText, const std::string& name) {
    for (const std::string& line : MemoLines(memoText)) {
        if (Trim(line) == name)
            return true;
    }
    return false;
}

std::string ShortlistAdd(const std::string& memoText, const std::string& name) {
    const std::string n = Trim(name);
    if (n.empty() || ShortlistHas(memoText, n))
        return memoText;
    std::string out = memoText;
    if (!out.empty() && out.back() != '\n')
        out += '\n';
    return out + n + '\n';
}

std::string ShortlistProposal(const std::string& personName) {
    const std::string proposal = Trim(personName + "起名结果待选名字表");
    // The test runs over the GBK bytes, so the second byte of a two-byte
    // character that equals one of the codes counts as well. A character GBK
    // cannot write is left out of the test.
    std::string bytes;
    for (const std::string& ch : SplitChars(proposal)) {
        try {
            bytes += Utf8ToGbk(ch);
        } catch (const std::exception&) {
        }
    }
    for (const char b : bytes) {
        if (b != '\0' && std::strchr("*/<>?\\|", b) != nullptr)
            return "*.txt";
    }
    return proposal;
}

std::string ShortlistFilePath(const std::string& chosenName) {
    return WithDefaultExtension(chosenName, ".txt");
}

bool SaveShortlist(const std::string& chosenName, const std::string& memoText) {
    if (Trim(memoText).empty())
        return false;
    WriteGbkTextFile(ShortlistFilePath(chosenName), memoText);
    return true;
}

std::string KeptShortlistFile() {
    return UserDataFile("shortlist.tsv");
}

namespace {

std::string OneField(std::string field) {
    for (char& c : field) {
        if (c == '\t' || c == '\n' || c == '\r')
            c = ' ';
    }
    return field;
}

}  // namespace

std::string FormatKeptNames(const std::vector<KeptName>& names) {
    std::string out;
    for (const KeptName& n : names) {
        out += OneField(n.name) + '\t' + OneField(n.score) + '\t' + OneField(n.elements) + '\t' +
               OneField(n.person) + '\n';
    }
    return out;
}

std::vector<KeptName> ParseKeptNames(const std::string& text) {
    std::vector<KeptName> names;
    for (const std::string& line : MemoLines(text)) {
        std::vector<std::string> fields;
        std::size_t start = 0;
        for (;;) {
            const std::size_t tab = line.find('\t', start);
            fields.push_back(line.substr(start, tab == std::string::npos ? tab : tab - start));
            if (tab == std::string::npos)
                break;
            start = tab + 1;
        }
        fields.resize(4);
        if (Trim(fields[0]).empty())
            continue;
        names.push_back({Trim(fields[0]), fields[1], fields[2], fields[3]});
    }
    return names;
}

std::vector<KeptName> KeptNamesForMemo(const std::string& memoText,
                                       const std::vector<KeptName>& earlier) {
    std::vector<KeptName> names;
    for (const std::string& line : MemoLines(memoText)) {
        const std::string name = Trim(line);
        if (name.empty())
            continue;
        KeptName kept{name, {}, {}, {}};
        for (const KeptName& e : earlier) {
            if (e.name == name) {
                kept = e;
                break;
            }
        }
        names.push_back(kept);
    }
    return names;
}

std::string KeptNamesMemo(const std::vector<KeptName>& names) {
    std::string out;
    for (const KeptName& n : names)
        out += n.name + '\n';
    return out;
}

std::string WebSearchAddress(const std::string& name) {
    std::string bytes;
    for (const std::string& ch : SplitChars(name)) {
        try {
            bytes += Utf8ToGbk(ch);
        } catch (const std::exception&) {
            bytes += ch;  // not writable in GBK: send its UTF-8 bytes
        }
    }
    return "https://www.baidu.com/s?wd=" + PercentEncode(bytes);
}

}  // namespace quillora
