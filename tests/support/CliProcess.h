// The one way a test runs a program: quillora-cli (or another program) as a
// child process with an exact argument vector (no shell), stdout and stderr
// captured apart, stopped after a time limit.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillora::test {

struct CliResult {
    bool exited = false;    // ended by exit(), not by a signal or the time limit
    int status = -1;        // exit status when exited
    int signal = 0;         // the signal that ended it, if any
    bool timedOut = false;  // killed after the time limit
    std::string out;
    std::string err;
    double seconds = 0;
};

// Starts `program` with `args` (argv[1..]) and waits at most limitSeconds.
// A program named without a "/" is looked up in PATH. stdin is /dev/null.
// The environment is the test's own.
CliResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                     double limitSeconds);

// Time allowed to one command of quillora-cli in the tests that check its
// output (a sanitized build runs several times slower than a plain one).
inline constexpr double kCliLimitSeconds = 300;

// Runs quillora-cli of this build with `args`.
CliResult RunCli(const std::vector<std::string>& args, double limitSeconds = kCliLimitSeconds);

// The blank-separated words of a command line ("lunar 2024-02-10" -> two
// arguments). No quoting: an argument holding a blank is passed in a vector.
std::vector<std::string> Words(std::string_view line);

// The arguments as a shell line ('…' quoting, non-printing bytes as \xNN),
// for failure messages that can be pasted into a terminal to rerun a case.
std::string ShellLine(const std::string& program, const std::vector<std::string>& args);

// True when stderr holds a report of AddressSanitizer, LeakSanitizer or
// UBSan.
bool HasSanitizerReport(const std::string& err);

// The folder of the test executable (where quillora-cli and the databases
// lie), ending in "/".
std::string BinDirectory();

// quillora-cli of this build, beside the test executable.
std::string CliPath();

// Reads an integer from the environment, or fallback when unset or invalid.
long long EnvNumber(const char* name, long long fallback);

}  // namespace quillora::test
