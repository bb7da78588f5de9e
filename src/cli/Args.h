// Command-line arguments of quillora-cli: a command, positional values and
// "--option value" pairs (a flag such as --leap takes no value). Each command
// names what it takes; anything else on the line is refused, so that a
// mistyped option never goes unnoticed.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quillora::cli {

struct Args {
    std::string command;
    std::vector<std::string> positional;
    std::map<std::string, std::string> options;  // name without "--"

    bool Has(const std::string& name) const { return options.count(name) != 0; }
    std::string Get(const std::string& name, const std::string& fallback = "") const;
};

// What a command takes: options with a value, flags, and how many positional
// values. --help is taken by every command.
struct CommandLine {
    std::vector<std::string> options{};
    std::vector<std::string> flags{};
    std::size_t positional = 0;
    // Options whose value is a file name: any bytes; every other value and
    // every positional value must be valid UTF-8.
    std::vector<std::string> fileOptions{};
    // Options that take one of a few values only (--sex 男 or 女).
    std::vector<std::pair<std::string, std::vector<std::string>>> choices{};
};

// A failed input check: printed on stderr, exit status 2.
struct InputError {
    std::string message;
};

// Parses argv[2..] (argv[1] is the command) against what the command takes.
// Throws InputError naming the option or value on an unknown option, a
// repeated one, an option without its value, a stray positional value, a
// value that is not valid UTF-8 or not one of the option's choices.
Args ParseArgs(int argc, char** argv, const CommandLine& line);

// The value of a required option; throws InputError naming it when missing.
std::string Require(const Args& args, const std::string& name);

// The text with control characters, invalid UTF-8 bytes and "\" written as
// escapes (\n, \t, \xNN, \\), so that a message quoting input can never
// drive the terminal. keepLineBreaks leaves "\n", "\t" and "\" as they are
// (for whole messages of several lines, which may quote escaped input).
std::string Escaped(std::string_view text, bool keepLineBreaks = false);

// "'text'" with the text Escaped, for messages that quote input.
std::string Quoted(std::string_view text);

}  // namespace quillora::cli
