// The legal person the program remembers between sessions: the birth
// entries as last entered, kept as settings lines in the user's settings
// folder, and the short description the kept shortlist stores with a name.
#pragma once

#include <optional>
#include <string>

#include "bazi/BirthRecord.h"

namespace quillora {

// The settings file of the remembered person ("" when there is no folder).
std::string RememberedPersonFile();

// The entries as settings text, and back, with whether the user entered the
// birth date (dateGiven; the lists start at a date nobody chose). A text
// without a birth year, or without a name when its date was not entered,
// holds no person.
std::string FormatPerson(const BirthEntries& person, bool dateGiven);
std::optional<BirthEntries> ParsePerson(const std::string& text);
// A file written before the program kept this says nothing: its date counts
// as entered.
bool PersonDateGiven(const std::string& text);

// The person as one line: name, sex, calendar and birth as entered, e.g.
// "张三 男 公历1986年6月5日 巳时".
std::string PersonSummary(const BirthEntries& person);

}  // namespace quillora
