#include "support/CliProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "data/Database.h"

extern char** environ;

namespace quillora::test {

namespace {

// Output beyond this is drained but not kept (a run may print many rows).
constexpr std::size_t kKeepBytes = 4u << 20;

void Append(std::string& to, const char* data, std::size_t n) {
    if (to.size() < kKeepBytes)
        to.append(data, std::min(n, kKeepBytes - to.size()));
}

}  // namespace

CliResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                     double limitSeconds) {
    CliResult result;
    int outPipe[2];
    int errPipe[2];
    if (::pipe2(outPipe, O_CLOEXEC) != 0)
        return result;
    if (::pipe2(errPipe, O_CLOEXEC) != 0) {
        ::close(outPipe[0]);
        ::close(outPipe[1]);
        return result;
    }

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, outPipe[1], 1);
    posix_spawn_file_actions_adddup2(&actions, errPipe[1], 2);

    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);

    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int rc = posix_spawnp(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(outPipe[1]);
    ::close(errPipe[1]);
    if (rc != 0) {
        ::close(outPipe[0]);
        ::close(errPipe[0]);
        result.err = "cannot start " + program + ": " + std::strerror(rc);
        return result;
    }

    const auto deadline =
        start + std::chrono::milliseconds(static_cast<long long>(limitSeconds * 1000));
    std::array<pollfd, 2> fds{{{outPipe[0], POLLIN, 0}, {errPipe[0], POLLIN, 0}}};
    int openFds = 2;
    std::array<char, 65536> buffer{};
    while (openFds > 0) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                              deadline - std::chrono::steady_clock::now())
                              .count();
        if (left <= 0) {
            result.timedOut = true;
            ::kill(pid, SIGKILL);
            break;
        }
        const int ready = ::poll(fds.data(), fds.size(), static_cast<int>(left));
        if (ready < 0 && errno != EINTR)
            break;
        for (std::size_t i = 0; i < fds.size(); ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0)
                continue;
            const ssize_t n = ::read(fds[i].fd, buffer.data(), buffer.size());
            if (n > 0) {
                Append(i == 0 ? result.out : result.err, buffer.data(),
                       static_cast<std::size_t>(n));
            } else if (n == 0 || errno != EINTR) {
                ::close(fds[i].fd);
                fds[i].fd = -1;
                --openFds;
            }
        }
    }
    for (pollfd& p : fds) {
        if (p.fd >= 0)
            ::close(p.fd);
    }

    int raw = 0;
    while (::waitpid(pid, &raw, 0) < 0 && errno == EINTR) {
    }
    result.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (WIFEXITED(raw)) {
        result.exited = !result.timedOut;
        result.status = WEXITSTATUS(raw);
    } else if (WIFSIGNALED(raw)) {
        result.signal = WTERMSIG(raw);
    }
    return result;
}

std::string ShellLine(const std::string& program, const std::vector<std::string>& args) {
    std::string line = program;
    for (const std::string& a : args) {
        bool plain = true;
        for (const char c : a) {
            const auto u = static_cast<unsigned char>(c);
            if (u < 32 || u == 127)
                plain = false;
        }
        if (plain) {
            line += " '";
            for (const char c : a) {
                if (c == '\'')
                    line += "'\\''";
                else
                    line += c;
            }
            line += "'";
        } else {
            line += " $'";
            char hex[8];
            for (const char c : a) {
                const auto u = static_cast<unsigned char>(c);
                if (u < 32 || u == 127 || c == '\'' || c == '\\') {
                    std::snprintf(hex, sizeof hex, "\\x%02x", u);
                    line += hex;
                } else {
                    line += c;
                }
            }
            line += "'";
        }
        if (line.size() > 2000) {
            line += " …";
            break;
        }
    }
    return line;
}

bool HasSanitizerReport(const std::string& err) {
    return err.find("ERROR: AddressSanitizer") != std::string::npos ||
           err.find("ERROR: LeakSanitizer") != std::string::npos ||
           err.find("runtime error:") != std::string::npos ||
           err.find("SUMMARY: UndefinedBehaviorSanitizer") != std::string::npos;
}

std::string BinDirectory() {
    return ExecutableDirectory();
}

std::string CliPath() {
    return BinDirectory() + "quillora-cli";
}

CliResult RunCli(const std::vector<std::string>& args, double limitSeconds) {
    return RunProgram(CliPath(), args, limitSeconds);
}

std::vector<std::string> Words(std::string_view line) {
    std::vector<std::string> words;
    std::size_t start = 0;
    while (start < line.size()) {
        const std::size_t end = std::min(line.find(' ', start), line.size());
        if (end > start)
            words.emplace_back(line.substr(start, end - start));
        start = end + 1;
    }
    return words;
}

long long EnvNumber(const char* name, long long fallback) {
    const char* text = std::getenv(name);
    if (text == nullptr || *text == '\0')
        return fallback;
    char* end = nullptr;
    const long long v = std::strtoll(text, &end, 10);
    return (end != nullptr && *end == '\0') ? v : fallback;
}

}  // namespace quillora::test
