#include "DamagedFiles.h"

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

}  // namespace

std::vector<Damage> AllDamages() {
    return {Damage::Missing, Damage::Empty, Damage::Truncated, Damage::Garbage, Damage::Scrambled};
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
    }
    return "?";
}

DamagedFolder::DamagedFolder(const std::string& file, Damage damage, const std::string& tag) {
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
