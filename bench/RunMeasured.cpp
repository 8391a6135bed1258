// kk-run: runs a program as a child of this small process and prints its wall time, CPU time
// and peak resident memory. A child forked from here starts from this process's own few hundred
// KiB; forked from a script interpreter it would inherit the interpreter's resident size as its
// starting peak, which hides the peak of a small run.
// Usage: kk-run PROGRAM [ARGUMENTS...]; prints "wall_ns cpu_us peak_kib exit_status".
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: kk-run PROGRAM [ARGUMENTS...]\n");
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, 1);
        dup2(null, 2);
        execv(argv[1], argv + 1);
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (child < 0 || wait4(child, &status, 0, &usage) != child)
        return 2;
    const auto wall = std::chrono::steady_clock::now() - start;
    const long long cpu = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000000LL +
                          usage.ru_utime.tv_usec + usage.ru_stime.tv_usec;
    std::printf("%lld %lld %ld %d\n", static_cast<long long>(std::chrono::nanoseconds(wall).count()), cpu,
                usage.ru_maxrss, WIFEXITED(status) ? WEXITSTATUS(status) : 128);
    return 0;
}
