#include "naming/Shortlist.h"

#include <cstring>

#include "common/Text.h"

namespace quillora {

std::vector<std::string> MemoLines(const std::string& text) {
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
    return chosenName + ".txt";
}

bool SaveShortlist(const std::string& chosenName, const std::string& memoText) {
    if (Trim(memoText).empty())
        return false;
    WriteGbkTextFile(ShortlistFilePath(chosenName), memoText);
    return true;
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
