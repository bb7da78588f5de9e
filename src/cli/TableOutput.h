// The table options of generate and analyse --batch: --format tsv|csv|xlsx
// and --output FILE. Without a file the table goes to stdout (tab-separated
// or CSV); with one, xlsx writes the spreadsheet of "导出EXCEL", tsv the
// GBK/CRLF text of "文本方式导出", csv UTF-8 CSV.
#pragma once

#include <string>

#include "cli/Args.h"
#include "naming/Export.h"

namespace quillora::cli {

struct TableOutput {
    std::string format;  // tsv, csv or xlsx
    std::string output;  // the file, or "" for stdout
};

// Reads and checks the options; throws InputError for another format and
// for xlsx without a file.
TableOutput ReadTableOutput(const Args& args);

void WriteTable(const TableOutput& out, const ExportTable& table);

}  // namespace quillora::cli
