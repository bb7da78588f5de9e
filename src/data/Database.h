// The three reference database files and what every reader of them shares:
// their names and the command time-outs, the folder they are read from (the
// executable's, or one a test chooses), the read-only connection string of
// each, the check that a file is sound and what is wrong with it, the removal of lock files at
// exit, the DbError that reports a failure, and the program's seedable random generator behind the
// statements' rnd(x).
//
// Connections are opened by the query objects (data/QueryObject.h), each on
// its own connection string; inside a ConnectionScope the query objects of
// one report share one connection per file.
#pragma once

#include <cstdint>
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

// The file path a connection string points at.
std::string DbFilePathOf(const std::string& connectionString);

// What is wrong with the database file at path, in the program's words, or ""
// when it is sound: a journal of an unfinished write lies beside it
// (UnfinishedJournalOf), it is missing, empty, not a database, fails SQLite's
// quick check, or lacks a table or column the program reads from it (the
// statement catalogue lists them for each of the three files). The answer
// for a file is kept until the file is replaced or rewritten, so a file is
// read for this once per run. Engine texts are kept in parentheses.
std::string DatabaseFileFault(const std::string& path);

// True when the file of that name in DatabaseDirectory() has no fault.
// Lookups that swallow the error of a statement ask this first, so that a
// missing or damaged file is reported, never read as an empty answer.
bool DatabaseFileIsSound(const std::string& file);

// A non-empty "-journal" or "-wal" file beside the database file at path
// (left by a writer that stopped before it finished): its path, or "".
// Opened immutable, the file would be read without the journal's changes.
std::string UnfinishedJournalOf(const std::string& path);

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
