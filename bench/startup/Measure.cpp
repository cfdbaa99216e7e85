// Starts each program many times, alternating, and reports the median time
// from exec to exit and the peak resident memory of each, and their ratios.
// Usage: bench_startup_measure RUNS FLOOR_PROGRAM PROGRAM

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

struct Run {
    double milliseconds;
    long maxRssKiB;
};

bool runOnce(const char* program, Run& run)
{
    char* argv[] = {const_cast<char*>(program), nullptr};
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, program, nullptr, nullptr, argv, environ) != 0)
        return false;
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return false;
    run.milliseconds = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    run.maxRssKiB = usage.ru_maxrss;
    return true;
}

template <typename T> T median(std::vector<T> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s RUNS FLOOR_PROGRAM PROGRAM\n", argv[0]);
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    std::vector<double> time[2];
    std::vector<long> rss[2];
    Run warm{};
    for (int p = 0; p < 2; ++p)  // warm the file cache once
        if (!runOnce(argv[2 + p], warm)) {
            std::fprintf(stderr, "%s did not start and exit cleanly\n", argv[2 + p]);
            return 1;
        }
    for (int i = 0; i < runs; ++i)
        for (int p = 0; p < 2; ++p) {
            Run run{};
            if (!runOnce(argv[2 + p], run))
                return 1;
            time[p].push_back(run.milliseconds);
            rss[p].push_back(run.maxRssKiB);
        }
    const double floorMs = median(time[0]), appMs = median(time[1]);
    const long floorKiB = median(rss[0]), appKiB = median(rss[1]);
    std::printf("runs each          %d\n", runs);
    std::printf("floor   first paint %8.1f ms   peak RSS %7.1f MB\n", floorMs, floorKiB / 1024.0);
    std::printf("lumenta first paint %8.1f ms   peak RSS %7.1f MB\n", appMs, appKiB / 1024.0);
    std::printf("ratio               %8.2f      extra RSS %7.1f MB\n", appMs / floorMs, (appKiB - floorKiB) / 1024.0);
    return 0;
}
