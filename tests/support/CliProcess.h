// Runs quillora-cli as a child process with an exact argument vector (no
// shell), captures stdout and stderr, and stops it after a time limit. Also
// the file fingerprints the tests use to prove the database files were not
// touched.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quillora::robustness {

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
// stdin is /dev/null. The environment is the test's own.
CliResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                     double limitSeconds);

// The arguments as a shell line ('…' quoting, non-printing bytes as \xNN),
// for failure messages that can be pasted into a terminal to rerun a case.
std::string ShellLine(const std::string& program, const std::vector<std::string>& args);

// True when stderr holds a report of AddressSanitizer, LeakSanitizer or
// UBSan.
bool HasSanitizerReport(const std::string& err);

// A 64-bit FNV-1a digest of a file's bytes, with its size; "missing" when the
// file cannot be read.
std::string FileFingerprint(const std::string& path);

// The folder of the test executable (where quillora-cli and the databases
// lie), ending in "/".
std::string BinDirectory();

// Reads an integer from the environment, or fallback when unset or invalid.
long long EnvNumber(const char* name, long long fallback);

}  // namespace quillora::robustness
