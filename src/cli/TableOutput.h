// The table options of generate and analyse --batch: --format tsv|csv|xlsx
// and --output FILE. Without a file the table goes to stdout (tab-separated
// or CSV); with one, xlsx writes the spreadsheet of "导出EXCEL", tsv the
// GBK/CRLF text of "文本方式导出", csv UTF-8 CSV after a byte-order mark.
#pragma once

#include <optional>
#include <string>

#include "cli/Args.h"
#include "common/TextFile.h"
#include "naming/Export.h"

namespace quillora::cli {

struct TableOutput {
    std::string format;  // tsv, csv or xlsx
    std::string output;  // the file, or "" for stdout
};

// A spreadsheet is written whole, so its pages are held until the end: a run
// writing one takes at most this many pages.
constexpr long long kMaxXlsxPages = 500;

// Reads and checks the options; throws InputError for another format and
// for xlsx without a file.
TableOutput ReadTableOutput(const Args& args);

// Writes a table part by part as it is made. Text goes out at once (to
// stdout, or into the file's temporary copy), so that no number of pages
// piles up in memory; a spreadsheet is held and written at Finish. A file is
// looked at (and its temporary copy made) when the writer is made, before
// any row, and replaces the old file whole only at Finish.
class TableWriter {
  public:
    explicit TableWriter(TableOutput out);

    // The first part writes its header too; later parts add their rows.
    void Add(const ExportTable& part);
    void Finish();

  private:
    void Emit(const std::string& text);

    TableOutput out_;
    std::optional<FileSave> save_;
    ExportTable sheet_;  // the spreadsheet's rows so far
    bool started_ = false;
};

// The whole table in one part.
void WriteTable(const TableOutput& out, const ExportTable& table);

}  // namespace quillora::cli
