// Target folders a save or an export cannot write to: a folder that does not
// exist, a read-only folder, and a full disk (simulated by a file size limit
// of a few bytes, which makes writes fail as they do on a full disk). And
// paths that hold something a save must never replace: a folder, a device, a
// database file of the program.
#pragma once

#include <sys/resource.h>
#include <filesystem>
#include <string>
#include <vector>

namespace quillora::robustness {

enum class WriteFault { MissingFolder, ReadOnlyFolder, Full };

inline constexpr const char* kEarlierContent = "earlier file";

std::vector<WriteFault> AllWriteFaults();
const char* WriteFaultName(WriteFault fault);

// Makes the fault for the calling thread while the object lives. Root ignores
// folder permissions, so for a read-only folder the thread's capabilities
// that override them are set aside meanwhile (and restored afterwards).
class WriteFaultScope {
  public:
    // earlier: a file of that name put in the target folder before the fault
    // is made (holding kEarlierContent), "" for none.
    WriteFaultScope(WriteFault fault, const std::string& tag, const std::string& earlier = "");
    ~WriteFaultScope();
    WriteFaultScope(const WriteFaultScope&) = delete;
    WriteFaultScope& operator=(const WriteFaultScope&) = delete;

    // False when the fault could not be made on this machine.
    bool Armed() const { return armed_; }
    // A path of the given name inside the target folder.
    std::string PathFor(const std::string& name) const;
    // The folder that holds the targets (for the full disk: a writable one).
    const std::filesystem::path& Folder() const { return target_; }

    // Ends the fault early (the object still cleans up).
    void Disarm();

  private:
    WriteFault fault_;
    std::filesystem::path base_;
    std::filesystem::path target_;
    bool armed_ = false;
    bool capsDropped_ = false;
    unsigned int savedEffective_[2] = {0, 0};
    rlimit savedLimit_{};
    void (*savedSignal_)(int) = nullptr;
    bool limited_ = false;
};

// What lies at the path a save is given, other than a file or nothing: a
// folder, a link to /dev/null (written to, never replaced), a link to
// /dev/full (a device that fails every write) and a link to a database file
// of the program (refused).
enum class Occupant { Folder, NullDevice, FullDevice, DatabaseFile };

std::vector<Occupant> AllOccupants();
const char* OccupantName(Occupant occupant);

// Puts the occupant at path; the database file is the one of that name in
// databaseFolder.
void PlaceOccupant(Occupant occupant, const std::filesystem::path& path,
                   const std::filesystem::path& databaseFile);

// True when path holds the occupant as placed: still a folder, still a link to
// the device (which is still a device) or to the database file.
bool OccupantIntact(Occupant occupant, const std::filesystem::path& path);

}  // namespace quillora::robustness
