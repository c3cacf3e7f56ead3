// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
// Runs a program as a whole process and prints its wall time in milliseconds and its peak
// resident set in kilobytes. The benchmark starts the programs it times through this small
// process: Linux counts the memory of the process a child was started from in the child's peak,
// and the benchmark's own would drown the figure.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <ctime>

namespace {

double nowMs()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fputs("usage: numerion_bench_run PROGRAM [ARGUMENT...]\n", stderr);
        return 2;
    }
    const double start = nowMs();
    const pid_t child = fork();
    if (child == 0) {
        // Its complaints about the platform go nowhere.
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, 2);
        execv(argv[1], argv + 1);
        _exit(127);
    }
    int status = 0;
    rusage usage {};
    if (child < 0 || wait4(child, &status, 0, &usage) != child)
        return 1;
    const double ms = nowMs() - start;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return 1;
    std::printf("%.3f %ld\n", ms, usage.ru_maxrss);
    return 0;
}
