#include "DamagedFiles.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include <fstream>
#include <random>

#include "support/CliProcess.h"
#include "support/Files.h"

namespace fs = std::filesystem;

namespace quillora::robustness {

namespace {

void WriteAll(const fs::path& p, const std::string& bytes) {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// One column the program reads from each table of each file.
struct ReadColumn {
    const char* file;
    const char* table;
    const char* column;
};
constexpr ReadColumn kRenamedColumns[] = {
    {"Parvello.dll", "word", "bh"},
    {"Parvello.dll", "CYZI", "zi"},
    {"Parvello.dll", "MZ", "bh1"},
    {"Parvello.dll", "gz", "zf"},
    {"Somnette.dll", "namefx", "nr"},
    {"Somnette.dll", "huangdao", "yi"},
    {"Somnette.dll", "chenggu1", "year"},
    {"Somnette.dll", "chenggu2", "month2"},
    {"Somnette.dll", "chenggu3", "day2"},
    {"Somnette.dll", "chenggu4", "time"},
    {"Somnette.dll", "chenggu", "content"},
    {"Gantrel.dll", "hzwh", "wh"},
    {"Gantrel.dll", "Shishen", "ShiShen"},
    {"Gantrel.dll", "jiazi", "layin"},
    {"Gantrel.dll", "JQ", "SJ"},
};

// The statements renaming those columns of a file ("wh" becomes "wh_renamed").
std::string RenameColumns(const std::string& file) {
    std::string sql;
    for (const ReadColumn& r : kRenamedColumns) {
        if (file == r.file) {
            sql += std::string("alter table ") + r.table + " rename column " + r.column + " to " +
                   r.column + "_renamed;";
        }
    }
    return sql;
}

}  // namespace

std::vector<Damage> AllDamages() {
    return {Damage::Missing,   Damage::Empty,   Damage::Truncated, Damage::Garbage,
            Damage::Scrambled, Damage::Renamed, Damage::Journal};
}

const char* DamageName(Damage damage) {
    switch (damage) {
        case Damage::Missing:
            return "missing";
        case Damage::Empty:
            return "empty";
        case Damage::Truncated:
            return "truncated";
        case Damage::Garbage:
            return "garbage";
        case Damage::Scrambled:
            return "scrambled";
        case Damage::Renamed:
            return "renamed columns";
        case Damage::Journal:
            return "journal beside";
        case Damage::None:
            return "sound";
    }
    return "?";
}

DamagedFolder::DamagedFolder(const std::string& file, Damage damage, const std::string& tag)
    : file_(file) {
    dir_ =
        fs::temp_directory_path() / ("quillora-damaged-" + tag + "-" + std::to_string(::getpid()) +
                                     "-" + file + "-" + DamageName(damage));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    const fs::path bin = test::BinDirectory();
    for (const char* name : kDatabaseFileNames) {
        if (name != file)
            fs::create_symlink(bin / name, dir_ / name);
    }
    const fs::path target = dir_ / file;
    std::mt19937 rng(static_cast<unsigned>(file.size() * 7 + static_cast<int>(damage)));
    switch (damage) {
        case Damage::Missing:
            break;
        case Damage::None:
            fs::copy_file(bin / file, target);
            break;
        case Damage::Renamed: {
            fs::copy_file(bin / file, target);
            sqlite3* db = nullptr;
            if (sqlite3_open(target.c_str(), &db) != SQLITE_OK ||
                sqlite3_exec(db, RenameColumns(file).c_str(), nullptr, nullptr, nullptr) !=
                    SQLITE_OK) {
                ADD_FAILURE() << "cannot rename the columns of " << target << ": "
                              << sqlite3_errmsg(db);
            }
            sqlite3_close(db);
            break;
        }
        case Damage::Journal:
            fs::create_symlink(bin / file, target);
            WriteAll(dir_ / (file + "-journal"), std::string(512, '\x5a'));
            break;
        case Damage::Empty:
            WriteAll(target, "");
            break;
        case Damage::Truncated:
            WriteAll(target, test::ReadFileBytes(bin / file).substr(0, 32 * 1024));
            break;
        case Damage::Garbage: {
            std::string bytes(64 * 1024, '\0');
            for (char& c : bytes)
                c = static_cast<char>(rng());
            WriteAll(target, bytes);
            break;
        }
        case Damage::Scrambled: {
            std::string bytes = test::ReadFileBytes(bin / file);
            for (std::size_t i = 4096; i < bytes.size(); i += 61)
                bytes[i] = static_cast<char>(rng());
            WriteAll(target, bytes);
            break;
        }
    }
}

void DamagedFolder::Repair() const {
    std::error_code ec;
    fs::remove(dir_ / file_, ec);
    fs::remove(dir_ / (file_ + "-journal"), ec);
    fs::create_symlink(fs::path(test::BinDirectory()) / file_, dir_ / file_);
}

DamagedFolder::~DamagedFolder() {
    std::error_code ec;
    fs::remove_all(dir_, ec);
}

std::string DamagedFolder::CopyExecutable(const std::string& name) const {
    const fs::path to = dir_ / name;
    fs::copy_file(fs::path(test::BinDirectory()) / name, to, fs::copy_options::overwrite_existing);
    return to.string();
}

}  // namespace quillora::robustness
