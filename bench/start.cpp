// Starts Harmtally and the minimal Qt program by turns and compares the time to the first paint
// and the peak memory. Usage: bench_start [rounds]

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

extern char **environ;

namespace {

struct Program {
    const char *name;
    const char *path;
    std::vector<double> ms;
    std::vector<double> mib;
};

long long monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}

// One start: the child writes its first-paint time to the pipe; wait4 reaps it and gives its
// peak resident set.
bool start(Program &program)
{
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    char *argv[] = {const_cast<char *>(program.path), nullptr};
    pid_t pid = 0;
    const long long before = monotonicNs();
    const int error = posix_spawn(&pid, program.path, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    std::string out;
    char buffer[256];
    for (ssize_t n; (n = read(fds[0], buffer, sizeof buffer)) > 0;)
        out.append(buffer, std::size_t(n));
    close(fds[0]);
    if (error != 0) {
        std::fprintf(stderr, "bench_start: cannot start %s\n", program.path);
        return false;
    }

    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "bench_start: %s failed (status %d)\n", program.name, status);
        return false;
    }
    const long long painted = std::atoll(out.c_str());
    if (painted <= before) {
        std::fprintf(stderr, "bench_start: %s reported no first paint\n", program.name);
        return false;
    }
    program.ms.push_back(double(painted - before) / 1e6);
    program.mib.push_back(double(usage.ru_maxrss) / 1024.0);
    return true;
}

double median(std::vector<double> values)
{
    std::ranges::sort(values);
    const std::size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

} // namespace

int main(int argc, char *argv[])
{
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 20;
    if (rounds < 1) {
        std::fprintf(stderr, "usage: bench_start [rounds]\n");
        return 2;
    }
    Program harmtally{"harmtally", HARMTALLY_PROGRAM, {}, {}};
    Program minimal{"minimal", MINIMAL_PROGRAM, {}, {}};
    // Alternate which goes first, so neither always finds the caches the other warmed.
    for (int round = 0; round < rounds; ++round) {
        Program &first = round % 2 ? minimal : harmtally;
        Program &second = round % 2 ? harmtally : minimal;
        if (!start(first) || !start(second))
            return 1;
    }

    const char *platform = std::getenv("QT_QPA_PLATFORM");
    std::printf("platform %s, %d rounds\n", platform ? platform : "(default)", rounds);
    std::printf("%-20s %16s %21s\n", "program", "median start ms", "median peak RSS MiB");
    for (const Program *p : {&minimal, &harmtally})
        std::printf("%-20s %16.1f %21.1f\n", p->name, median(p->ms), median(p->mib));
    std::printf("%-20s %15.2fx %20.2fx\n", "harmtally/minimal",
                median(harmtally.ms) / median(minimal.ms),
                median(harmtally.mib) / median(minimal.mib));
    return 0;
}
