#include "cli/TableOutput.h"

#include <utility>

#include "cli/Commands.h"
#include "common/Text.h"

namespace quillora::cli {

TableOutput ReadTableOutput(const Args& args) {
    TableOutput out{args.Get("format", "tsv"), args.Get("output")};
    if (out.format != "tsv" && out.format != "csv" && out.format != "xlsx")
        throw InputError{"--format takes tsv, csv or xlsx"};
    if (out.format == "xlsx" && out.output.empty())
        throw InputError{"--format xlsx needs --output FILE"};
    return out;
}

TableWriter::TableWriter(TableOutput out) : out_(std::move(out)) {
    if (!out_.output.empty())
        save_.emplace(out_.output);
}

void TableWriter::Emit(const std::string& text) {
    if (!save_)
        WriteOut(text);
    else if (out_.format == "tsv")
        save_->Write(GbkFileBytes(out_.output, text));
    else
        save_->Write(text);
}

void TableWriter::Add(const ExportTable& part) {
    const bool first = !started_;
    started_ = true;
    if (out_.format == "xlsx") {
        if (first) {
            sheet_ = part;
        } else {
            sheet_.rows.insert(sheet_.rows.end(), part.rows.begin(), part.rows.end());
        }
        return;
    }
    const bool csv = out_.format == "csv";
    if (first) {
        // The byte-order mark tells spreadsheet programs that a CSV file is UTF-8.
        if (csv && save_)
            save_->Write(kUtf8Bom);
        Emit(csv ? FormatCsvRows({part.header}) : FormatTsvRows({part.header}));
    }
    Emit(csv ? FormatCsvRows(part.rows) : FormatTsvRows(part.rows));
}

void TableWriter::Finish() {
    if (out_.format == "xlsx") {
        WriteXlsx(*save_, sheet_);  // commits the save
    } else if (save_) {
        save_->Commit();
    }
}

void WriteTable(const TableOutput& out, const ExportTable& table) {
    TableWriter writer(out);
    writer.Add(table);
    writer.Finish();
}

}  // namespace quillora::cli
