#include "naming/Export.h"

#include <xlsxwriter.h>

#include <cerrno>
#include <cstdlib>

#include "common/Text.h"
#include "common/TextFile.h"
#include "naming/Shortlist.h"

namespace quillora {

namespace {

// The spreadsheet's widths of the grid's columns, in characters: about as
// wide as the generation page shows them.
constexpr double kSheetColumnWidths[kGridColumns] = {7.1, 27.1, 28.7, 9.1, 9.1,  9.3,  8.9,
                                                     9.0, 9.9,  18.6, 7.1, 37.1, 60.0, 36.0};

}  // namespace

ExportTable GridExportTable(const ResultGrid& grid) {
    ExportTable t;
    for (int c = 0; c < kGridColumns; ++c) {
        t.header.emplace_back(kResultColumns[c].header);
        t.widths.push_back(kSheetColumnWidths[c]);
        t.numeric.push_back(kResultColumns[c].numeric);
    }
    AppendGridRows(grid, t);
    return t;
}

void AppendGridRows(const ResultGrid& grid, ExportTable& table) {
    const int n = grid.ShownRows();
    for (int r = 1; r <= n; ++r) {
        const auto& row = grid.Row(r);
        table.rows.emplace_back(row.begin(), row.end());
    }
}

namespace {

// Closes the workbook on every path out of ExportXlsx.
struct Workbook {
    lxw_workbook* book;
    ~Workbook() {
        if (book != nullptr)
            workbook_close(book);
    }
};

// A number cell when the whole text is a decimal integer.
bool AsNumber(const std::string& text, double& value) {
    if (text.empty())
        return false;
    char* end = nullptr;
    const long long v = std::strtoll(text.c_str(), &end, 10);
    if (end == nullptr || *end != '\0')
        return false;
    value = static_cast<double>(v);
    return true;
}

}  // namespace

void ExportXlsx(const std::string& path, const ExportTable& table) {
    FileSave save(path);
    WriteXlsx(save, table);
}

void WriteXlsx(FileSave& save, const ExportTable& table) {
    // The library writes the workbook under the temporary name; only a
    // whole workbook replaces the file.
    Workbook wb{workbook_new(save.TemporaryPath().c_str())};
    if (wb.book == nullptr)
        save.Fail("无法创建工作簿。");
    lxw_worksheet* sheet = workbook_add_worksheet(wb.book, table.sheet.c_str());
    lxw_format* bold = workbook_add_format(wb.book);
    format_set_bold(bold);
    format_set_align(bold, LXW_ALIGN_CENTER);
    const auto check = [&](lxw_error err) {
        if (err != LXW_NO_ERROR)
            save.Fail(lxw_strerror(err));
    };

    for (std::size_t c = 0; c < table.header.size(); ++c) {
        const double width = c < table.widths.size() ? table.widths[c] : 10.0;
        check(worksheet_set_column(sheet, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c),
                                   width, nullptr));
        check(worksheet_write_string(sheet, 0, static_cast<lxw_col_t>(c), table.header[c].c_str(),
                                     bold));
    }
    worksheet_freeze_panes(sheet, 1, 0);
    // A sheet holds a fixed number of rows: rows past it would be lost.
    if (table.rows.size() >= LXW_ROW_MAX)
        save.Fail("行数超出了工作表的容量（" + std::to_string(LXW_ROW_MAX) + " 行）。");
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        const auto row = static_cast<lxw_row_t>(r + 1);
        for (std::size_t c = 0; c < table.rows[r].size(); ++c) {
            const std::string& text = table.rows[r][c];
            const auto col = static_cast<lxw_col_t>(c);
            double value = 0;
            if (c < table.numeric.size() && table.numeric[c] && AsNumber(text, value)) {
                check(worksheet_write_number(sheet, row, col, value, nullptr));
            } else if (!text.empty()) {
                check(worksheet_write_string(sheet, row, col, text.c_str(), nullptr));
            }
        }
    }
    lxw_workbook* book = wb.book;
    wb.book = nullptr;
    // The library reports a failed write of the file as a zip error; the
    // system's error says what went wrong (a full disk).
    errno = 0;
    const lxw_error closed = workbook_close(book);
    if (closed != LXW_NO_ERROR && errno != 0)
        save.Fail(FileErrorCause(errno));
    check(closed);
    save.Commit();
}

std::string FormatTsvRows(const std::vector<std::vector<std::string>>& rows) {
    std::string out;
    for (const auto& cells : rows) {
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (i > 0)
                out += '\t';
            out += cells[i];
        }
        out += '\n';
    }
    return out;
}

std::string FormatTsv(const ExportTable& table) {
    return FormatTsvRows({table.header}) + FormatTsvRows(table.rows);
}

std::string FormatCsvRows(const std::vector<std::vector<std::string>>& rows) {
    std::string out;
    auto cell = [&](const std::string& text) {
        if (text.find_first_of(",\"\r\n") == std::string::npos) {
            out += text;
            return;
        }
        out += '"';
        for (const char ch : text) {
            if (ch == '"')
                out += '"';
            out += ch;
        }
        out += '"';
    };
    auto line = [&](const std::vector<std::string>& cells) {
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (i > 0)
                out += ',';
            cell(cells[i]);
        }
        out += "\r\n";
    };
    for (const auto& row : rows)
        line(row);
    return out;
}

std::string FormatCsv(const ExportTable& table) {
    return FormatCsvRows({table.header}) + FormatCsvRows(table.rows);
}

void ExportTsv(const std::string& path, const ExportTable& table) {
    WriteGbkTextFile(path, FormatTsv(table));
}

void ExportCsv(const std::string& path, const ExportTable& table) {
    // The byte-order mark tells spreadsheet programs that the text is UTF-8.
    WriteFileAtomically(path, std::string(kUtf8Bom) + FormatCsv(table));
}

}  // namespace quillora
