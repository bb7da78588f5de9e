// Scratch folders holding the three database files with one of them missing,
// empty, truncated, replaced by garbage, scrambled inside, with renamed
// columns or beside a journal, for the fault tests of the command line and of
// the windows.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace quillora::robustness {

enum class Damage {
    Missing,    // the file is not there
    Empty,      // 0 bytes
    Truncated,  // only its first 32 KiB
    Garbage,    // 64 KiB of random bytes
    Scrambled,  // its own header, every 61st byte after the first page changed
    Renamed,    // a copy with one column the program reads renamed in each table
    Journal,    // sound, beside a journal left by a write that did not finish
    None,       // a sound copy (not in AllDamages): a test may write to it safely
};

inline const char* const kDatabaseFileNames[] = {"Parvello.dll", "Somnette.dll", "Gantrel.dll"};

std::vector<Damage> AllDamages();
const char* DamageName(Damage damage);

// A folder with the undamaged files linked (symbolically) to those of the
// build and `file` damaged as asked (or copied whole for Damage::None).
// Removed with the object.
class DamagedFolder {
  public:
    DamagedFolder(const std::string& file, Damage damage, const std::string& tag);
    ~DamagedFolder();
    DamagedFolder(const DamagedFolder&) = delete;
    DamagedFolder& operator=(const DamagedFolder&) = delete;

    const std::filesystem::path& Path() const { return dir_; }

    // Puts the sound file back in place of the damaged one (and removes a
    // journal beside it), as a user restores it.
    void Repair() const;

    // Copies an executable of the build folder into this folder, so that it
    // finds the damaged files beside itself. Returns its path.
    std::string CopyExecutable(const std::string& name) const;

  private:
    std::filesystem::path dir_;
    std::string file_;
};

}  // namespace quillora::robustness
