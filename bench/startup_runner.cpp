// SPDX-License-Identifier: GPL-3.0-or-later
// Times two programs that each show a window and quit after its first paint:
// the floor (a bare Qt window) and the tutor. They run alternately, so a busy
// moment of the machine falls on both; the medians of the wall time and of the
// peak resident memory are compared as tutor/floor ratios.
//
//   radixon_startup_runner [--runs N] [--name TEXT] FLOOR TUTOR
//
// Exits with 0 when both ratios are within their goals, 1 when not, 2 when a
// program failed to start or quit.

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr double timeGoal = 1.15;
constexpr double memoryGoal = 1.10;
constexpr unsigned timeLimitSeconds = 60;

struct Sample {
    double milliseconds = 0;
    double megabytes = 0;
};

bool runOnce(const char* program, Sample& sample)
{
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid < 0)
        return false;
    if (pid == 0) {
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        alarm(timeLimitSeconds);  // a program that never paints is killed
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid)
        return false;
    const auto end = std::chrono::steady_clock::now();
    sample.milliseconds = std::chrono::duration<double, std::milli>(end - start).count();
    sample.megabytes = static_cast<double>(usage.ru_maxrss) / 1024.0;  // ru_maxrss is in KiB
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s did not quit cleanly (status %d)\n", program, status);
        return false;
    }
    return true;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

int usage()
{
    std::fprintf(stderr, "usage: radixon_startup_runner [--runs N] [--name TEXT] FLOOR TUTOR\n");
    return 2;
}

}  // namespace

int main(int argc, char* argv[])
{
    int runs = 20;
    std::string name = "start-up";
    std::vector<const char*> programs;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--runs") && i + 1 < argc)
            runs = std::atoi(argv[++i]);
        else if (!std::strcmp(argv[i], "--name") && i + 1 < argc)
            name = argv[++i];
        else
            programs.push_back(argv[i]);
    }
    if (programs.size() != 2 || runs < 1)
        return usage();

    // One unmeasured run of each warms the disk cache and fontconfig's cache.
    Sample warmUp;
    if (!runOnce(programs[0], warmUp) || !runOnce(programs[1], warmUp))
        return 2;

    std::vector<double> times[2], memory[2];
    for (int run = 0; run < runs; ++run) {
        // Alternate which one goes first, so neither always follows the other.
        for (int k = 0; k < 2; ++k) {
            const int which = (run + k) % 2;
            Sample sample;
            if (!runOnce(programs[which], sample))
                return 2;
            times[which].push_back(sample.milliseconds);
            memory[which].push_back(sample.megabytes);
        }
    }

    const double floorTime = median(times[0]), tutorTime = median(times[1]);
    const double floorMemory = median(memory[0]), tutorMemory = median(memory[1]);
    const double timeRatio = tutorTime / floorTime, memoryRatio = tutorMemory / floorMemory;
    const bool timeOk = timeRatio <= timeGoal, memoryOk = memoryRatio <= memoryGoal;
    std::printf("%s, %d runs each (medians)\n", name.c_str(), runs);
    std::printf("  %-8s %10s %12s\n", "", "wall ms", "peak RSS MB");
    std::printf("  %-8s %10.1f %12.1f\n", "floor", floorTime, floorMemory);
    std::printf("  %-8s %10.1f %12.1f\n", "tutor", tutorTime, tutorMemory);
    std::printf("  tutor/floor: start-up %.3f (goal %.2f) %s, peak RSS %.3f (goal %.2f) %s\n", timeRatio, timeGoal,
                timeOk ? "ok" : "MISSED", memoryRatio, memoryGoal, memoryOk ? "ok" : "MISSED");
    return timeOk && memoryOk ? 0 : 1;
}
