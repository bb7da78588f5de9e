// The desktop program from process start to its first painted window,
// offscreen: each iteration starts quillora-first-paint (the program's own
// start with a probe, see FirstPaint.cpp) and times it from the spawn until
// it reports the finished first paint.
//
// Warm: the program, its libraries and fonts are in the page cache from the
// run before. Cold: before each start, every file the program maps (found by
// one probing run) and the three database files are dropped from the page
// cache with posix_fadvise(POSIX_FADV_DONTNEED), as after a reboot. Pages that
// another running process maps (a Qt library in use by another program) stay
// cached, so "cold" is cold for the program's own files.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

std::string Beside(const char* name) {
    char buf[4096];
    const ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    std::string dir = n > 0 ? std::string(buf, static_cast<std::size_t>(n)) : std::string("./x");
    return dir.substr(0, dir.rfind('/') + 1) + name;
}

// Starts the probe, waits for its line; returns the seconds from spawn to
// the line, or a negative value on failure.
double StartOnce(const std::vector<std::string>& extraEnv = {}) {
    const std::string program = Beside("quillora-first-paint");
    int fds[2];
    if (::pipe(fds) != 0)
        return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    posix_spawn_file_actions_addclose(&actions, fds[1]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);

    std::vector<std::string> env;
    for (char** e = environ; *e != nullptr; ++e)
        env.emplace_back(*e);
    env.emplace_back("QT_QPA_PLATFORM=offscreen");
    for (const std::string& e : extraEnv)
        env.push_back(e);
    std::vector<char*> envp;
    for (std::string& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    std::string arg0 = program;
    char* argv[] = {arg0.data(), nullptr};

    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int rc = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(fds[1]);
    if (rc != 0) {
        ::close(fds[0]);
        return -1;
    }
    std::string line;
    char c = 0;
    while (::read(fds[0], &c, 1) == 1 && c != '\n')
        line += c;
    const auto end = std::chrono::steady_clock::now();
    ::close(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (line.rfind("painted", 0) != 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    return std::chrono::duration<double>(end - start).count();
}

void DropFromCache(const std::vector<std::string>& files) {
    for (const std::string& f : files) {
        const int fd = ::open(f.c_str(), O_RDONLY);
        if (fd < 0)
            continue;
        ::fdatasync(fd);
        ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
        ::close(fd);
    }
}

// The files a start maps, found once by a probing run, and the databases.
const std::vector<std::string>& ProgramFiles() {
    static const std::vector<std::string> files = [] {
        const std::string list = "/tmp/quillora-first-paint-maps-" + std::to_string(::getpid());
        StartOnce({"QUILLORA_MAPS_OUT=" + list});
        std::vector<std::string> out;
        std::ifstream in(list);
        std::string line;
        while (std::getline(in, line))
            out.push_back(line);
        std::remove(list.c_str());
        for (const char* db : {"Parvello.dll", "Somnette.dll", "Gantrel.dll"})
            out.push_back(Beside(db));
        return out;
    }();
    return files;
}

void BM_StartToFirstPaint(benchmark::State& state, bool cold) {
    if (cold)
        ProgramFiles();
    else
        StartOnce();  // brings everything into the page cache
    for (auto _ : state) {
        if (cold) {
            state.PauseTiming();
            DropFromCache(ProgramFiles());
            state.ResumeTiming();
        }
        const double seconds = StartOnce();
        if (seconds < 0) {
            state.SkipWithError("quillora-first-paint did not report its first paint");
            break;
        }
        state.SetIterationTime(seconds);
    }
    state.counters["files"] = static_cast<double>(cold ? ProgramFiles().size() : 0);
}

}  // namespace

BENCHMARK_CAPTURE(BM_StartToFirstPaint, warm, false)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_StartToFirstPaint, cold, true)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

BENCHMARK_MAIN();
