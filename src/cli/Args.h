// Command-line arguments of quillora-cli: a command, positional values and
// "--option value" pairs (a flag such as --leap takes no value).
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace quillora::cli {

struct Args {
    std::string command;
    std::vector<std::string> positional;
    std::map<std::string, std::string> options;  // name without "--"

    bool Has(const std::string& name) const { return options.count(name) != 0; }
    std::string Get(const std::string& name, const std::string& fallback = "") const;
};

// A failed input check: printed on stderr, exit status 2.
struct InputError {
    std::string message;
};

// Options that take no value.
bool IsFlag(const std::string& name);

// Parses argv[1..]. Throws InputError on a malformed line.
Args ParseArgs(int argc, char** argv);

// The value of a required option; throws InputError naming it when missing.
std::string Require(const Args& args, const std::string& name);

}  // namespace quillora::cli
