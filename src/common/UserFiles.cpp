#include "common/UserFiles.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "common/Text.h"
#include "common/TextFile.h"

namespace quillora {

namespace {

namespace fs = std::filesystem;

std::string UserFile(const char* variable, const char* fallback, const std::string& name) {
    const char* xdg = std::getenv(variable);
    if (xdg != nullptr && fs::path(xdg).is_absolute())
        return (fs::path(xdg) / "quillora" / name).string();
    const char* home = std::getenv("HOME");
    if (home != nullptr && fs::path(home).is_absolute())
        return (fs::path(home) / fallback / "quillora" / name).string();
    return {};
}

}  // namespace

std::string UserDataFile(const std::string& name) {
    return UserFile("XDG_DATA_HOME", ".local/share", name);
}

std::string UserConfigFile(const std::string& name) {
    return UserFile("XDG_CONFIG_HOME", ".config", name);
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad())
        return std::nullopt;
    return bytes;
}

void WriteUserFile(const std::string& path, const std::string& bytes) {
    std::error_code error;
    fs::create_directories(fs::path(path).parent_path(), error);
    if (error)
        throw FileWriteError("文件 " + path + " 无法保存：无法建立文件夹（" + error.message() +
                             "）");
    WriteFileAtomically(path, bytes);
}

bool RemoveUserFile(const std::string& path) {
    std::error_code error;
    fs::remove(path, error);
    return !fs::exists(path, error);
}

Settings ParseSettings(const std::string& text) {
    Settings settings;
    for (const std::string& line : SplitTextLines(text)) {
        if (const std::size_t eq = line.find('='); eq != std::string::npos)
            settings[line.substr(0, eq)] = line.substr(eq + 1);
    }
    return settings;
}

std::string FormatSettings(const Settings& settings) {
    std::string out;
    for (const auto& [key, value] : settings) {
        std::string v = value;
        for (char& c : v) {
            if (c == '\n' || c == '\r')
                c = ' ';
        }
        out += key + "=" + v + "\n";
    }
    return out;
}

}  // namespace quillora
