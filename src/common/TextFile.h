// Text files the program writes for the user (saved reports, the shortlist,
// text exports): GBK with CRLF line ends, as the user's other tools expect.
#pragma once

#include <stdexcept>
#include <string>

namespace quillora {

// A file that could not be written; the message names the file and the cause.
class FileWriteError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Writes the bytes to path through a temporary file in the same folder that
// is renamed into place, so a failed write never leaves half a file and
// never damages an earlier file of that name. Throws FileWriteError.
void WriteFileAtomically(const std::string& path, const std::string& bytes);

// The bytes of a file the user names (a list to read). Throws
// std::runtime_error naming the file when it cannot be read.
std::string ReadFileBytes(const std::string& path);

// Writes UTF-8 text as GBK with CRLF line ends, nothing added before or after.
// Throws FileWriteError when the file cannot be written or the text holds a
// character GBK cannot encode.
void WriteGbkTextFile(const std::string& path, const std::string& text);

}  // namespace quillora
