#include "common/TextFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

#include "common/Text.h"
#include "data/Database.h"

namespace quillora {

namespace fs = std::filesystem;

std::string FileErrorCause(int error) {
    switch (error) {
        case ENOSPC:
            return std::string("磁盘空间不足（") + std::strerror(error) + "）。";
        case EDQUOT:
            return std::string("磁盘配额已用完（") + std::strerror(error) + "）。";
        case EFBIG:
            return std::string("文件超出了允许的大小（") + std::strerror(error) + "）。";
        default:
            return std::string(std::strerror(error)) + "。";
    }
}

namespace {

// The folder of a path ("." for a bare name).
std::string FolderOf(const std::string& path) {
    const fs::path folder = fs::path(path).parent_path();
    return folder.empty() ? std::string(".") : folder.string();
}

// Mode bits a new file gets from the process's file-creation mask, read
// without changing the mask (other threads may be creating files).
mode_t NewFileMode() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("Umask:", 0) == 0)
            return static_cast<mode_t>(0666 & ~std::strtoul(line.c_str() + 6, nullptr, 8));
    }
    return 0644;
}

// True when the file is one of the reference database files the program
// reads (the same file, by whatever path or link it is named).
bool IsDatabaseFile(const struct stat& file) {
    for (const char* name : {kParvelloFile, kSomnetteFile, kGantrelFile}) {
        struct stat db {};
        const std::string path = DatabaseDirectory() + name;
        if (::stat(path.c_str(), &db) == 0 && db.st_dev == file.st_dev &&
            db.st_ino == file.st_ino) {
            return true;
        }
    }
    return false;
}

// The name of the temporary file beside `target`: its own name cut to leave
// room for ".part" and the six characters mkstemp fills in, so that a name
// near the length limit can still be saved.
std::string TemporaryTemplate(const std::string& folder, const std::string& name) {
    std::string stem;
    for (const std::string& ch : SplitChars(name)) {
        if (stem.size() + ch.size() > 200)
            break;
        stem += ch;
    }
    return folder + "/" + stem + ".partXXXXXX";
}

}  // namespace

FileSave::FileSave(std::string path) : path_(std::move(path)), target_(path_) {
    if (path_.empty())
        Fail("没有给出文件名。");
    struct stat st {};
    if (::stat(path_.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode))
            Fail("这是一个文件夹。");
        if (IsDatabaseFile(st))
            Fail("这是程序的数据库文件，不能覆盖。");
        if (S_ISCHR(st.st_mode) || S_ISFIFO(st.st_mode)) {
            device_ = true;
        } else if (!S_ISREG(st.st_mode)) {
            Fail("这不是普通文件，不能覆盖。");
        } else {
            existed_ = true;
            mode_ = st.st_mode & 07777;
            owner_ = st.st_uid;
            group_ = st.st_gid;
            struct stat link {};
            if (::lstat(path_.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
                std::error_code ec;
                target_ = fs::canonical(path_, ec).string();
                if (ec)
                    Fail(FileErrorCause(ec.value()));
            }
        }
    } else if (errno != ENOENT) {
        Fail(FileErrorCause(errno));
    }
    if (!existed_ && !device_)
        mode_ = NewFileMode();

    const std::string folder = device_ ? fs::temp_directory_path().string() : FolderOf(target_);
    const std::string name = device_ ? "quillora-save" : fs::path(target_).filename().string();
    std::string tmpl = TemporaryTemplate(folder, name);
    std::vector<char> buffer(tmpl.begin(), tmpl.end());
    buffer.push_back('\0');
    // mkostemp creates the file with O_CREAT | O_EXCL: a link or file planted
    // at the name makes it pick another name, never open the planted one.
    fd_ = ::mkostemp(buffer.data(), O_CLOEXEC);
    if (fd_ < 0) {
        const int e = errno;
        if (e == ENOENT)
            Fail("文件夹 " + folder + " 不存在。");
        if (e == EACCES || e == EPERM || e == EROFS)
            Fail("文件夹 " + folder + " 不允许写入（" + std::strerror(e) + "）。");
        Fail(FileErrorCause(e));
    }
    temp_ = buffer.data();
}

FileSave::~FileSave() {
    if (fd_ >= 0) {
        ::close(fd_);
        ::unlink(temp_.c_str());
    }
}

void FileSave::Fail(const std::string& cause) const {
    throw FileWriteError("文件 " + path_ + " 无法保存：" + cause);
}

void FileSave::Write(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            Fail(FileErrorCause(n < 0 ? errno : ENOSPC));
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
}

void FileSave::CopyToDevice() {
    const int out = ::open(path_.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (out < 0)
        Fail(FileErrorCause(errno));
    char buffer[65536];
    int error = ::lseek(fd_, 0, SEEK_SET) < 0 ? errno : 0;
    while (error == 0) {
        ssize_t n = ::read(fd_, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            error = n < 0 ? errno : 0;
            break;
        }
        for (const char* p = buffer; n > 0 && error == 0;) {
            const ssize_t w = ::write(out, p, static_cast<std::size_t>(n));
            if (w < 0 && errno == EINTR)
                continue;
            if (w <= 0)
                error = w < 0 ? errno : ENOSPC;
            else
                p += w, n -= w;
        }
    }
    if (::close(out) != 0 && error == 0 && errno != EINTR)
        error = errno;
    if (error != 0)
        Fail(FileErrorCause(error));
}

void FileSave::Commit() {
    // A writer that opened the temporary file by name wrote to the file
    // this save created, not to one put in its place.
    struct stat mine {};
    struct stat named {};
    if (::fstat(fd_, &mine) != 0 || ::lstat(temp_.c_str(), &named) != 0 ||
        mine.st_dev != named.st_dev || mine.st_ino != named.st_ino) {
        Fail("临时文件 " + temp_ + " 被替换了。");
    }
    if (device_) {
        CopyToDevice();
        return;  // the destructor removes the temporary file
    }
    if (existed_ && (mine.st_uid != owner_ || mine.st_gid != group_)) {
        // Best effort: only root can give a file back to another owner.
        [[maybe_unused]] const int ignored = ::fchown(fd_, owner_, group_);
    }
    if (::fchmod(fd_, mode_) != 0 || ::fsync(fd_) != 0)
        Fail(FileErrorCause(errno));
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0 && errno != EINTR) {
        const int e = errno;
        ::unlink(temp_.c_str());
        Fail(FileErrorCause(e));
    }
    if (std::rename(temp_.c_str(), target_.c_str()) != 0) {
        const int e = errno;
        ::unlink(temp_.c_str());
        Fail(FileErrorCause(e));
    }
    // The rename itself reaches the disk with the folder.
    const int dir = ::open(FolderOf(target_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

void WriteFileAtomically(const std::string& path, std::string_view bytes) {
    FileSave save(path);
    save.Write(bytes);
    save.Commit();
}

std::string GbkFileBytes(const std::string& path, const std::string& text) {
    try {
        return Utf8ToGbk(ToCrlf(text));
    } catch (const std::exception&) {
        throw FileWriteError("文件 " + path + " 无法保存：内容含有无法以GBK编码保存的字符。");
    }
}

std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path + ": " + std::strerror(errno));
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteGbkTextFile(const std::string& path, const std::string& text) {
    WriteFileAtomically(path, GbkFileBytes(path, text));
}

std::string WithDefaultExtension(const std::string& path, std::string_view extension) {
    const std::size_t slash = path.rfind('/');
    const std::size_t dot = path.rfind('.');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    if (dot != std::string::npos && dot > nameStart) {
        const std::string_view ext = std::string_view(path).substr(dot + 1);
        bool letter = false;
        bool plain = !ext.empty() && ext.size() <= 5;
        for (const char c : ext) {
            const auto u = static_cast<unsigned char>(c);
            letter = letter || std::isalpha(u) != 0;
            plain = plain && u < 0x80 && std::isalnum(u) != 0;
        }
        if (plain && letter)
            return path;
    }
    return path + std::string(extension);
}

}  // namespace quillora
