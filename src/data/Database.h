// The three reference database files and what every reader of them shares:
// their names and the command time-outs, the folder they are read from (the
// executable's, or one a test chooses), the read-only connection string of
// each, the check that a file is sound, the removal of lock files at exit,
// the DbError that reports a failure, and the program's seedable random
// generator behind the statements' rnd(x).
//
// Connections are opened by the query objects (data/QueryObject.h), each on
// its own connection string; inside a ConnectionScope the query objects of
// one report share one connection per file.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <stdexcept>
#include <string>

namespace quillora {

// A database error: the file could not be opened, a statement failed or ran
// past its time-out. The message names the file and carries the engine's text.
class DbError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The three files the program reads, and the lock-file names removed at exit.
inline constexpr const char* kParvelloFile = "Parvello.dll";
inline constexpr const char* kSomnetteFile = "Somnette.dll";
inline constexpr const char* kGantrelFile = "Gantrel.dll";

// Command time-outs in seconds.
inline constexpr int kGenerationTimeout = 120;
inline constexpr int kCharLookupTimeout = 60;
inline constexpr int kDefaultTimeout = 30;

// Folder of the running executable, ending in "/". Read once from the
// operating system.
std::string ExecutableDirectory();

// The folder the database files are read from: the executable's folder unless
// a test pointed it elsewhere.
std::string DatabaseDirectory();
void SetDatabaseDirectory(const std::string& dir);  // "" restores the default

// Read-only SQLite URI of one database file beside the executable, built
// afresh on every call. Paths with blanks and Chinese characters are
// percent-encoded so the URI names the right file.
std::string DbConnectionString(const std::string& file);

// True when the database file opens, passes SQLite's quick check and holds
// every named table. Lookups that swallow the error of a statement ask this
// first, so that a missing or damaged file is reported, never read as an
// empty answer.
bool DatabaseFileIsSound(const std::string& file, std::initializer_list<const char*> tables);

// The file name a connection string points at (for error messages).
std::string DbFileNameOf(const std::string& connectionString);

// Deletes "Parvello.ldb", "Somnette.ldb", "Gantrel.ldb", "Natelwyn.ldb"
// beside the executable; failures are ignored.
void RemoveLockFiles();

// The program's one random generator behind the SQL function rnd(x), used by
// the generation statements to draw rows in random order. Seeded from the
// clock at start-up; the command line's --seed makes draws repeatable.
void SeedRandom(std::uint64_t seed);
double NextRandom();                                 // uniform in [0, 1)
std::uint64_t NextRandomBelow(std::uint64_t bound);  // uniform in [0, bound)

}  // namespace quillora
