// Reading files in tests: the whole content of a file, a text cut into its
// lines or fields, a TSV table, a line-by-line comparison, and a fingerprint
// that shows whether a file changed.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace quillora::test {

// Every byte of a file; the empty text when it cannot be read.
std::string ReadFileBytes(const std::filesystem::path& path);

// The lines of a text, without their "\n" (a "\r" before it stays). A final
// line without "\n" counts; nothing follows the last "\n".
std::vector<std::string> SplitLines(std::string_view text);

// The lines of a file (ReadFileBytes, then SplitLines).
std::vector<std::string> ReadFileLines(const std::filesystem::path& path);

// The fields of one line between tabs ("a\t\tb" -> a, "", b).
std::vector<std::string> SplitFields(std::string_view line);

// A TSV file with a header row: empty lines and lines starting with "#" are
// skipped, the first other line names the columns. A file that cannot be
// read throws std::runtime_error naming it.
struct TsvTable {
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;
};
TsvTable ReadTsvFile(const std::filesystem::path& path);

// Compares two texts line by line; every line that differs fails the test
// with its number, a line missing on either side reads "<none>".
void ExpectSameLines(const std::vector<std::string>& actual,
                     const std::vector<std::string>& expected);

// A word of a PDF as poppler's pdftotext -bbox reads it: the page it lies on
// (from 1) and that page's height, its text, its top and bottom in points
// from the top of the page and its left edge.
struct PdfWord {
    int page = 0;
    double pageHeight = 0;
    std::string text;
    double top = 0;
    double bottom = 0;
    double left = 0;
};

// True when pdftotext (poppler-utils) can be run.
bool PdfToolsPresent();

// The words of a PDF line by line (top to bottom, each line left to right,
// whatever columns pdftotext sees); empty when it cannot be read.
std::vector<PdfWord> ReadPdfWords(const std::filesystem::path& path);

// A 64-bit FNV-1a digest of a file's bytes, with its size; "missing" when the
// file cannot be read.
std::string FileFingerprint(const std::filesystem::path& path);

}  // namespace quillora::test
