// Exports of the results grid: the header and the shown rows, as an .xlsx
// spreadsheet, as tab-separated text (GBK, CRLF) and as CSV text.
#pragma once

#include <string>
#include <vector>

#include "common/TextFile.h"
#include "naming/ResultsGrid.h"

namespace quillora {

// What an export writes: the header texts, the spreadsheet's column widths
// in characters, which columns hold numbers, and the rows in the order shown.
struct ExportTable {
    std::string sheet = "起名结果";  // the spreadsheet's sheet name
    std::vector<std::string> header;
    std::vector<double> widths;
    std::vector<bool> numeric;
    std::vector<std::vector<std::string>> rows;
};

// The grid's header and its shown rows (rows 1 ... ShownRows()).
ExportTable GridExportTable(const ResultGrid& grid);

// Appends the shown rows of a grid to a table (for several pages of draws).
void AppendGridRows(const ResultGrid& grid, ExportTable& table);

// Writes an .xlsx workbook with one sheet (the table's, "起名结果" for the
// grid): the header row in bold
// and frozen, the table's column widths, number columns as numbers.
// The workbook replaces the file whole (FileSave). Throws FileWriteError
// (naming the file) when it cannot be written or the rows do not fit a sheet.
void ExportXlsx(const std::string& path, const ExportTable& table);
void WriteXlsx(FileSave& save, const ExportTable& table);  // and commits the save

// Tab-separated lines, header first, each line ending in "\n" (UTF-8).
std::string FormatTsv(const ExportTable& table);
std::string FormatTsvRows(const std::vector<std::vector<std::string>>& rows);  // no header

// Comma-separated lines (RFC 4180 quoting), header first, each ending in "\r\n".
std::string FormatCsv(const ExportTable& table);
std::string FormatCsvRows(const std::vector<std::vector<std::string>>& rows);  // no header

// Writes FormatTsv as GBK with CRLF line ends, replacing the file whole.
// Throws FileWriteError.
void ExportTsv(const std::string& path, const ExportTable& table);

// Writes FormatCsv as UTF-8 after a byte-order mark (EF BB BF), so that a
// spreadsheet program reads its Chinese text; replaces the file whole.
// Throws FileWriteError.
void ExportCsv(const std::string& path, const ExportTable& table);

}  // namespace quillora
