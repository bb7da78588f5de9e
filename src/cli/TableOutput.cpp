#include "cli/TableOutput.h"

#include <cstdio>

namespace quillora::cli {

namespace {

void Print(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
}

}  // namespace

TableOutput ReadTableOutput(const Args& args) {
    TableOutput out{args.Get("format", "tsv"), args.Get("output")};
    if (out.format != "tsv" && out.format != "csv" && out.format != "xlsx")
        throw InputError{"--format takes tsv, csv or xlsx"};
    if (out.format == "xlsx" && out.output.empty())
        throw InputError{"--format xlsx needs --output FILE"};
    return out;
}

void WriteTable(const TableOutput& out, const ExportTable& table) {
    if (out.format == "xlsx") {
        ExportXlsx(out.output, table);
    } else if (out.format == "csv") {
        if (out.output.empty()) {
            Print(FormatCsv(table));
        } else {
            ExportCsv(out.output, table);
        }
    } else if (out.output.empty()) {
        Print(FormatTsv(table));
    } else {
        ExportTsv(out.output, table);
    }
}

}  // namespace quillora::cli
