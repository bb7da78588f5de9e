// The files the program keeps for the user between sessions, in the folders
// the XDG base directories name: data (the kept shortlist) under
// $XDG_DATA_HOME, else ~/.local/share; settings (the remembered legal person)
// under $XDG_CONFIG_HOME, else ~/.config; each in a folder "quillora". The
// settings are "key=value" lines.
#pragma once

#include <map>
#include <optional>
#include <string>

namespace quillora {

// The path of a file in the user's data or settings folder; "" when neither
// the XDG variable (an absolute path) nor HOME names a folder.
std::string UserDataFile(const std::string& name);
std::string UserConfigFile(const std::string& name);

// The whole file, or nothing when it does not exist or cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& path);

// Writes the bytes whole (WriteFileAtomically), making the folders first.
// Throws FileWriteError naming the file.
void WriteUserFile(const std::string& path, const std::string& bytes);

// Removes the file if it exists; true when it is gone afterwards.
bool RemoveUserFile(const std::string& path);

// "key=value" lines: the text before the first "=" is the key, the rest of
// the line the value; lines without "=" are skipped, a later key wins.
using Settings = std::map<std::string, std::string>;
Settings ParseSettings(const std::string& text);
// The settings as "key=value" lines in key order; a line break in a value
// becomes a blank so that every setting stays one line.
std::string FormatSettings(const Settings& settings);

}  // namespace quillora
