#include "common/TextFile.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "common/Text.h"

namespace quillora {

namespace {

[[noreturn]] void Fail(const std::string& path, const std::string& cause) {
    throw FileWriteError("文件 " + path + " 无法保存：" + cause);
}

}  // namespace

void WriteFileAtomically(const std::string& path, const std::string& bytes) {
    const std::string tmp = path + ".part" + std::to_string(::getpid());
    std::FILE* f = std::fopen(tmp.c_str(), "wb");
    if (f == nullptr)
        Fail(path, std::strerror(errno));
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    const int writeErrno = errno;
    const bool flushed = std::fflush(f) == 0 && ::fsync(::fileno(f)) == 0;
    const int flushErrno = errno;
    const bool closed = std::fclose(f) == 0;
    if (!written || !flushed || !closed) {
        std::remove(tmp.c_str());
        Fail(path, std::strerror(!written ? writeErrno : flushErrno));
    }
    if (std::rename(tmp.c_str(), path.c_str()) != 0) {
        const int e = errno;
        std::remove(tmp.c_str());
        Fail(path, std::strerror(e));
    }
}

std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path + ": " + std::strerror(errno));
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteGbkTextFile(const std::string& path, const std::string& text) {
    std::string bytes;
    try {
        bytes = Utf8ToGbk(ToCrlf(text));
    } catch (const std::exception&) {
        Fail(path, "内容含有无法以GBK编码保存的字符。");
    }
    WriteFileAtomically(path, bytes);
}

}  // namespace quillora
