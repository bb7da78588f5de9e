// The commands of quillora-cli. Each prints its lines on stdout (UTF-8, one
// memo line per output line) and returns the exit status: 0 done, 2 an input
// check failed (message on stderr), 1 any other error.
#pragma once

#include <string_view>

#include "cli/Args.h"

namespace quillora::cli {

int RunBazi(const Args& args);        // CmdBazi.cpp
int RunAnalyse(const Args& args);     // CmdAnalyse.cpp
int RunGenerate(const Args& args);    // CmdGenerate.cpp
int RunAlmanac(const Args& args);     // CmdAlmanac.cpp
int RunAuspicious(const Args& args);  // CmdAuspicious.cpp
int RunLunar(const Args& args);       // CmdCalendar.cpp
int RunSolar(const Args& args);       // CmdCalendar.cpp
int RunMonth(const Args& args);       // CmdCalendar.cpp
int RunTerms(const Args& args);       // CmdCalendar.cpp

// Standard output failed (a full disk, a closed file): exit status 1, the
// cause printed once when the program ends.
struct OutputError {};

// Writes the text on standard output; throws OutputError when the stream has
// failed, so that a long run stops at the first failed page.
void WriteOut(std::string_view text);

}  // namespace quillora::cli
