#include "WriteFaults.h"

#include <fcntl.h>
#include <linux/capability.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <fstream>

namespace fs = std::filesystem;

namespace quillora::robustness {

namespace {

// The capabilities that let root write where permissions forbid it.
constexpr unsigned int kOverrides[] = {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER};

bool GetCaps(__user_cap_data_struct (&data)[2]) {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    return ::syscall(SYS_capget, &header, data) == 0;
}

bool SetCaps(__user_cap_data_struct (&data)[2]) {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    return ::syscall(SYS_capset, &header, data) == 0;
}

// True when a file can be created in the folder.
bool CanCreateIn(const fs::path& folder) {
    const fs::path probe = folder / "probe";
    const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    if (fd < 0)
        return false;
    ::close(fd);
    ::unlink(probe.c_str());
    return true;
}

}  // namespace

std::vector<WriteFault> AllWriteFaults() {
    return {WriteFault::MissingFolder, WriteFault::ReadOnlyFolder, WriteFault::Full};
}

const char* WriteFaultName(WriteFault fault) {
    switch (fault) {
        case WriteFault::MissingFolder:
            return "missing folder";
        case WriteFault::ReadOnlyFolder:
            return "read-only folder";
        case WriteFault::Full:
            return "full disk";
    }
    return "?";
}

WriteFaultScope::WriteFaultScope(WriteFault fault, const std::string& tag,
                                 const std::string& earlier)
    : fault_(fault) {
    base_ =
        fs::temp_directory_path() / ("quillora-write-" + tag + "-" + std::to_string(::getpid()));
    fs::remove_all(base_);
    fs::create_directories(base_);
    switch (fault) {
        case WriteFault::MissingFolder:
            target_ = base_ / "no such folder";
            armed_ = true;
            break;
        case WriteFault::ReadOnlyFolder: {
            target_ = base_ / "read-only";
            fs::create_directories(target_);
            if (!earlier.empty())
                std::ofstream(target_ / earlier, std::ios::binary) << kEarlierContent;
            fs::permissions(target_, fs::perms::owner_read | fs::perms::owner_exec |
                                         fs::perms::group_read | fs::perms::group_exec |
                                         fs::perms::others_read | fs::perms::others_exec);
            __user_cap_data_struct caps[2] = {};
            if (::geteuid() == 0 && GetCaps(caps)) {
                savedEffective_[0] = caps[0].effective;
                savedEffective_[1] = caps[1].effective;
                for (const unsigned int cap : kOverrides)
                    caps[cap / 32].effective &= ~(1u << (cap % 32));
                capsDropped_ = SetCaps(caps);
            }
            armed_ = !CanCreateIn(target_);
            break;
        }
        case WriteFault::Full: {
            target_ = base_;
            if (!earlier.empty())
                std::ofstream(target_ / earlier, std::ios::binary) << kEarlierContent;
            ::getrlimit(RLIMIT_FSIZE, &savedLimit_);
            savedSignal_ = ::signal(SIGXFSZ, SIG_IGN);
            rlimit small = savedLimit_;
            small.rlim_cur = 8;
            limited_ = true;
            armed_ = ::setrlimit(RLIMIT_FSIZE, &small) == 0;
            break;
        }
    }
}

void WriteFaultScope::Disarm() {
    if (fault_ == WriteFault::ReadOnlyFolder && capsDropped_) {
        __user_cap_data_struct caps[2] = {};
        if (GetCaps(caps)) {
            caps[0].effective = savedEffective_[0];
            caps[1].effective = savedEffective_[1];
            SetCaps(caps);
        }
        capsDropped_ = false;
    }
    if (limited_) {
        ::setrlimit(RLIMIT_FSIZE, &savedLimit_);
        ::signal(SIGXFSZ, savedSignal_);
        limited_ = false;
    }
}

WriteFaultScope::~WriteFaultScope() {
    Disarm();
    std::error_code ec;
    if (fault_ == WriteFault::ReadOnlyFolder)
        fs::permissions(target_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(base_, ec);
}

std::string WriteFaultScope::PathFor(const std::string& name) const {
    return (target_ / name).string();
}

std::vector<Occupant> AllOccupants() {
    return {Occupant::Folder, Occupant::NullDevice, Occupant::FullDevice, Occupant::DatabaseFile};
}

const char* OccupantName(Occupant occupant) {
    switch (occupant) {
        case Occupant::Folder:
            return "folder";
        case Occupant::NullDevice:
            return "link to /dev/null";
        case Occupant::FullDevice:
            return "link to /dev/full";
        case Occupant::DatabaseFile:
            return "link to a database file";
    }
    return "?";
}

namespace {

const char* LinkTarget(Occupant occupant) {
    return occupant == Occupant::NullDevice ? "/dev/null" : "/dev/full";
}

}  // namespace

void PlaceOccupant(Occupant occupant, const fs::path& path, const fs::path& databaseFile) {
    switch (occupant) {
        case Occupant::Folder:
            fs::create_directories(path);
            break;
        case Occupant::NullDevice:
        case Occupant::FullDevice:
            fs::create_symlink(LinkTarget(occupant), path);
            break;
        case Occupant::DatabaseFile:
            fs::create_symlink(databaseFile, path);
            break;
    }
}

bool OccupantIntact(Occupant occupant, const fs::path& path) {
    std::error_code ec;
    if (occupant == Occupant::Folder)
        return fs::is_directory(fs::symlink_status(path, ec));
    if (!fs::is_symlink(fs::symlink_status(path, ec)))
        return false;
    if (occupant == Occupant::DatabaseFile)
        return fs::is_regular_file(fs::status(path, ec));
    struct stat st {};
    return fs::read_symlink(path, ec) == LinkTarget(occupant) &&
           ::stat(LinkTarget(occupant), &st) == 0 && S_ISCHR(st.st_mode);
}

}  // namespace quillora::robustness
