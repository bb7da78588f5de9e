// What the result tables of the naming and almanac windows share: saving a
// table where the user chooses (a spreadsheet, or CSV text when the chosen
// name ends in .csv), and opening the national trademark office's public
// search page in the browser.
#pragma once

#include <QString>
#include <string>
#include <vector>

class QTableWidget;
class QWidget;

namespace quillora {
struct ExportTable;
}

namespace quillora::gui {

// The look of the result tables (the results grid, the batch table, the
// auspicious days): warm grid lines, alternate rows, the program's red for
// the selection, and a place for the sort arrow at the right of a caption.
QString ResultTableStyle();

// A read-only table of whole-row selection in that look, one header per
// column at the given pixel widths, rows 18 pixels high, sorted by clicking
// a header (the caller connects the header's sectionClicked).
QTableWidget* MakeResultTable(QWidget* parent, const QString& name,
                              const std::vector<std::string>& headers,
                              const std::vector<int>& widths);

// Fills a row of a result table with the cells' texts (making its items
// when it has none), centring the columns marked numeric. The texts of
// `tipped` columns are also their tool tips, for the long ones.
void SetResultRow(QTableWidget* table, int row, const std::vector<std::string>& cells,
                  const std::vector<bool>& numeric, const std::vector<int>& tipped = {});

// Asks where to export (the proposal and filter given) and appends the
// extension when the chosen name has no extension of its own; "" when the
// user cancels.
std::string ChooseExportFile(QWidget* parent, const char* proposal, const char* filter,
                             const char* extension);

// The filter of an export that may be a spreadsheet or CSV text.
inline const char* const kTableFileFilter = "Excel 工作簿 (*.xlsx);;CSV 文件 (*.csv)";

// Asks for a file (proposal "批量分析.xlsx" and the like) and writes the table
// there: CSV when the chosen name ends in .csv, else an .xlsx workbook. A
// table without rows exports nothing; a file that cannot be written is
// reported in a message. Returns the path written, or "".
std::string ExportTableFile(QWidget* parent, const ExportTable& table, const char* proposal);

// Opens the trademark office's search page through the page's URL opener
// (the browser, or what a test put there). With a mark, the mark is put on
// the clipboard first, ready to paste into the search, and a notice beside
// `anchor` says so.
void OpenTrademarkSearch(QWidget* anchor, const QString& mark = {});

}  // namespace quillora::gui
