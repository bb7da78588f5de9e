// Readers of the independent calendar reference in tests/data (dumped from
// the calendar library lunar-javascript 1.7.7 by make-calendar-reference.js).
#pragma once

#include <string>
#include <vector>

#include "support/Files.h"

namespace quillora::test {

struct ReferenceTerm {
    int year = 0;
    int index = 0;     // like TermNames
    std::string text;  // yyyy-MM-dd HH:mm:ss, Beijing time
    double days = 0;   // the same instant as a date value
};

struct ReferenceMonth {
    int year = 0;
    int month = 0;  // negative for a leap month
    int days = 0;
    std::string first;  // yyyy-MM-dd of its first day
};

inline std::vector<std::vector<std::string>> ReadTsv(const std::string& name) {
    return ReadTsvFile(std::string(QUILLORA_SOURCE_DIR) + "/tests/data/" + name).rows;
}

inline std::vector<ReferenceTerm> ReadReferenceTerms() {
    std::vector<ReferenceTerm> terms;
    for (const auto& r : ReadTsv("solar-terms.tsv"))
        terms.push_back({std::stoi(r.at(0)), std::stoi(r.at(1)), r.at(3), std::stod(r.at(4))});
    return terms;
}

inline std::vector<ReferenceMonth> ReadReferenceMonths() {
    std::vector<ReferenceMonth> months;
    for (const auto& r : ReadTsv("lunar-months.tsv"))
        months.push_back({std::stoi(r.at(0)), std::stoi(r.at(1)), std::stoi(r.at(2)), r.at(3)});
    return months;
}

}  // namespace quillora::test
