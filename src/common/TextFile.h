// Files the program writes for the user: saved reports, the shortlist, the
// text, CSV and spreadsheet exports. Every one of them goes through FileSave,
// so that a save never leaves half a file, never replaces a device, a folder
// or the program's own database files, and says what went wrong.
//
// Text files are GBK with CRLF line ends, as the user's other tools expect.
#pragma once

#include <sys/types.h>

#include <stdexcept>
#include <string>
#include <string_view>

namespace quillora {

// A file that could not be written; the message names the file and the cause.
class FileWriteError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// One save of a file. The constructor looks at what the path names and
// refuses a folder, a block device, a socket and the reference database
// files; it then creates a fresh temporary file exclusively (never through a
// link planted at its name) in the folder of the file to be replaced. The
// content goes there, and Commit puts it in place whole: an existing file
// keeps its mode, a failed save leaves an earlier file as it was and no
// temporary file behind.
//
// A path that is a link to a file replaces the file the link points to. A
// character device or a pipe (/dev/null, /dev/stdout) is written to directly
// on Commit, never replaced; its temporary file then lies in the system's
// temporary folder.
//
// Every failure throws FileWriteError "文件 <path> 无法保存：<cause>".
class FileSave {
  public:
    explicit FileSave(std::string path);
    ~FileSave();  // a save that was not committed removes its temporary file
    FileSave(const FileSave&) = delete;
    FileSave& operator=(const FileSave&) = delete;

    // The temporary file, for a writer that opens the file by name itself
    // (the spreadsheet library). It exists, empty, until written.
    const std::string& TemporaryPath() const { return temp_; }

    // Appends bytes to the temporary file.
    void Write(std::string_view bytes);

    // Flushes the temporary file to disk and renames it over the target (or
    // copies it to the device). The save is over afterwards.
    void Commit();

    // Throws FileWriteError naming the file with the given cause.
    [[noreturn]] void Fail(const std::string& cause) const;

  private:
    void CopyToDevice();

    std::string path_;     // as the user gave it, for messages
    std::string target_;   // the file replaced: path_, or where its link points
    std::string temp_;     // the temporary file
    int fd_ = -1;          // open on temp_
    bool device_ = false;  // the target is a character device or a pipe
    mode_t mode_ = 0;      // the mode the saved file gets
    uid_t owner_ = 0;
    gid_t group_ = 0;
    bool existed_ = false;  // the target is an existing regular file
};

// What an errno of a failed write means, in the program's words (a full
// disk, a quota, a file too large, else the system's text).
std::string FileErrorCause(int error);

// Writes the bytes to path as one FileSave.
void WriteFileAtomically(const std::string& path, std::string_view bytes);

// UTF-8 text as GBK with CRLF line ends, nothing added before or after.
// Throws FileWriteError naming the file when the text holds a character GBK
// cannot encode.
std::string GbkFileBytes(const std::string& path, const std::string& text);

// The bytes of a file the user names (a list to read). Throws
// std::runtime_error naming the file when it cannot be read.
std::string ReadFileBytes(const std::string& path);

// Writes UTF-8 text as GBK with CRLF line ends (GbkFileBytes) as one
// FileSave. Throws FileWriteError.
void WriteGbkTextFile(const std::string& path, const std::string& text);

// The name a save dialog's answer is written to: the path as chosen when its
// file name ends in an extension of its own (".txt", ".XLSX": after the last
// dot one to five ASCII letters and digits, a letter among them), else the
// path + extension. "名单" and "名单.2024" get ".txt"; "名单.txt" stays.
std::string WithDefaultExtension(const std::string& path, std::string_view extension);

}  // namespace quillora
