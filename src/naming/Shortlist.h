// The shortlist of chosen names: the text of the shortlist memo, one name a
// line. Adding, the proposal of the save dialog, writing the file and the
// address of the web search.
#pragma once

#include <string>
#include <vector>

#include "common/TextFile.h"

namespace quillora {

// The memo's lines (split at "\n", a "\r" before it dropped). A text that
// ends with a line break has no empty last line.
std::vector<std::string> MemoLines(const std::string& text);

// True when some line of the memo, trimmed, equals the name byte for byte.
bool ShortlistHas(const std::string& memoText, const std::string& name);

// Add: the memo text with the trimmed name appended as a new last line
// (ending in a line break), or the text unchanged when the name is empty or
// already present.
std::string ShortlistAdd(const std::string& memoText, const std::string& name);

// The file name the save dialog proposes: the legal person's name as typed +
// "起名结果待选名字表", trimmed; "*.txt" when its GBK bytes hold any of
// * / < > ? \ |.
std::string ShortlistProposal(const std::string& personName);

// The file that Save writes for the name chosen in the dialog: ".txt" is
// appended when the name has no extension of its own (WithDefaultExtension).
std::string ShortlistFilePath(const std::string& chosenName);

// Save: writes the memo to ShortlistFilePath(chosenName). Returns false (and
// writes nothing) when the memo's trimmed text is empty.
bool SaveShortlist(const std::string& chosenName, const std::string& memoText);

// A name kept on the shortlist between sessions, with what the results grid
// showed for it and the legal person it was chosen for.
struct KeptName {
    std::string name;      // the brand name, one line of the shortlist memo
    std::string score;     // 总体评分
    std::string elements;  // the main name's elements
    std::string person;    // PersonSummary of the legal person
    bool operator==(const KeptName&) const = default;
};

// The kept shortlist's file in the user's data folder ("" when there is no
// folder).
std::string KeptShortlistFile();

// The kept names as the file holds them: UTF-8, one name a line, its four
// fields separated by tabs (a tab or line break inside a field becomes a
// blank). Reading skips empty lines and fills missing fields with "".
std::string FormatKeptNames(const std::vector<KeptName>& names);
std::vector<KeptName> ParseKeptNames(const std::string& text);

// The kept names for the memo's lines, in the memo's order: a line's details
// from the earlier list when it holds that name, else the name alone. Empty
// lines are left out.
std::vector<KeptName> KeptNamesForMemo(const std::string& memoText,
                                       const std::vector<KeptName>& earlier);

// The memo text of the kept names, one a line, each ending in a line break.
std::string KeptNamesMemo(const std::vector<KeptName>& names);

// The web search address for a name: "https://www.baidu.com/s?wd=" followed
// by the name's GBK bytes, percent-encoded.
std::string WebSearchAddress(const std::string& name);

}  // namespace quillora
