#include "support/Files.h"

#include "support/CliProcess.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace quillora::test {

std::string ReadFileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

std::vector<std::string> ReadFileLines(const std::filesystem::path& path) {
    return SplitLines(ReadFileBytes(path));
}

std::vector<std::string> SplitFields(std::string_view line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t tab = line.find('\t', start);
        fields.emplace_back(line.substr(start, tab == std::string_view::npos ? tab : tab - start));
        if (tab == std::string_view::npos)
            return fields;
        start = tab + 1;
    }
}

TsvTable ReadTsvFile(const std::filesystem::path& path) {
    if (!std::ifstream(path, std::ios::binary))
        throw std::runtime_error("cannot read " + path.string());
    TsvTable table;
    bool header = true;
    for (std::string& line : ReadFileLines(path)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        if (header)
            table.header = SplitFields(line);
        else
            table.rows.push_back(SplitFields(line));
        header = false;
    }
    return table;
}

void ExpectSameLines(const std::vector<std::string>& actual,
                     const std::vector<std::string>& expected) {
    for (std::size_t i = 0; i < std::max(actual.size(), expected.size()); ++i) {
        const std::string a = i < actual.size() ? actual[i] : "<none>";
        const std::string e = i < expected.size() ? expected[i] : "<none>";
        EXPECT_EQ(a, e) << "line " << i + 1;
    }
}

std::string FileFingerprint(const std::filesystem::path& path) {
    if (!std::ifstream(path, std::ios::binary))
        return "missing";
    const std::string bytes = ReadFileBytes(path);
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    char text[64];
    std::snprintf(text, sizeof text, "%zu bytes, fnv %016llx", bytes.size(),
                  static_cast<unsigned long long>(hash));
    return text;
}

namespace {

// The number after name=" in a tag, 0 when absent.
double Attribute(const std::string& tag, const std::string& name) {
    const std::size_t at = tag.find(name + "=\"");
    return at == std::string::npos ? 0 : std::atof(tag.c_str() + at + name.size() + 2);
}

}  // namespace

bool PdfToolsPresent() {
    return RunProgram("pdftotext", {"-v"}, 30).exited;
}

std::vector<PdfWord> ReadPdfWords(const std::filesystem::path& path) {
    const CliResult run = RunProgram("pdftotext", {"-bbox", path.string(), "-"}, 120);
    std::vector<PdfWord> words;
    int page = 0;
    double pageHeight = 0;
    for (const std::string& line : SplitLines(run.out)) {
        if (line.find("<page ") != std::string::npos) {
            ++page;
            pageHeight = Attribute(line, "height");
        }
        const std::size_t open = line.find("<word ");
        if (open == std::string::npos)
            continue;
        const std::size_t textStart = line.find('>', open) + 1;
        const std::size_t textEnd = line.find("</word>", textStart);
        const std::string tag = line.substr(open, textStart - open);
        std::string text = line.substr(textStart, textEnd - textStart);
        for (const auto& [entity, c] : {std::pair{"&lt;", "<"},
                                        {"&gt;", ">"},
                                        {"&quot;", "\""},
                                        {"&apos;", "'"},
                                        {"&amp;", "&"}}) {
            for (std::size_t at = text.find(entity); at != std::string::npos;
                 at = text.find(entity, at + 1))
                text.replace(at, std::strlen(entity), c);
        }
        words.push_back({page, pageHeight, text, Attribute(tag, "yMin"), Attribute(tag, "yMax"),
                         Attribute(tag, "xMin")});
    }
    // Words of one line share their top within a point.
    std::stable_sort(words.begin(), words.end(), [](const PdfWord& a, const PdfWord& b) {
        if (a.page != b.page)
            return a.page < b.page;
        if (std::abs(a.top - b.top) > 1)
            return a.top < b.top;
        return a.left < b.left;
    });
    return words;
}

}  // namespace quillora::test
