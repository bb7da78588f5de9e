#include "support/Files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
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

}  // namespace quillora::test
