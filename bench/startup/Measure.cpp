// Starts each program many times, alternating, and reports the median time
// from its start to its first painted frame, its median peak resident
// memory at that frame and over the whole run, and how the last program
// compares with each of the floors before it.
// Usage: bench_startup_measure RUNS FLOOR_PROGRAM [FLOOR_PROGRAM ...] PROGRAM

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

struct Run {
    double milliseconds;  // from spawning to the first frame
    long frameRssKiB;     // peak resident memory until the first frame
    long maxRssKiB;       // peak resident memory of the whole run
};

// The program's standard output: it reports its first frame there.
std::string readAll(int fd)
{
    std::string text;
    char buffer[256];
    for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) > 0;)
        text.append(buffer, std::size_t(n));
    return text;
}

long long nanosecondsNow()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

bool runOnce(const char* program, Run& run)
{
    int out[2];
    if (pipe(out) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    char* argv[] = {const_cast<char*>(program), nullptr};
    const long long start = nanosecondsNow();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        return false;
    }
    const std::string said = readAll(out[0]);
    close(out[0]);
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return false;
    const auto at = said.find("first-paint-ns ");
    if (at == std::string::npos)
        return false;
    const long long painted = std::atoll(said.c_str() + at + 15);
    run.milliseconds = double(painted - start) / 1e6;
    const auto rssAt = said.find("first-paint-rss-kib ");
    run.frameRssKiB = rssAt == std::string::npos ? 0 : std::atol(said.c_str() + rssAt + 20);
    run.maxRssKiB = usage.ru_maxrss;
    return true;
}

template <typename T> T median(std::vector<T> v)
{
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

template <typename T> T lowest(const std::vector<T>& v) { return *std::min_element(v.begin(), v.end()); }

// The program's own name, for the report.
std::string shortName(const char* path)
{
    std::string name = path;
    const auto slash = name.rfind('/');
    if (slash != std::string::npos)
        name = name.substr(slash + 1);
    const std::string prefix = "bench_startup_";
    if (name.compare(0, prefix.size(), prefix) == 0)
        name = name.substr(prefix.size());
    return name;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s RUNS FLOOR_PROGRAM [FLOOR_PROGRAM ...] PROGRAM\n", argv[0]);
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    const std::vector<const char*> programs(argv + 2, argv + argc);
    const std::size_t count = programs.size();
    std::vector<std::vector<double>> time(count);
    std::vector<std::vector<long>> rss(count), frameRss(count);
    for (const char* program : programs) {  // warm the file cache once
        Run warm{};
        if (!runOnce(program, warm)) {
            std::fprintf(stderr, "%s did not paint its first frame and exit cleanly\n", program);
            return 1;
        }
    }
    for (int i = 0; i < runs; ++i)
        for (std::size_t p = 0; p < count; ++p) {
            Run run{};
            if (!runOnce(programs[p], run)) {
                std::fprintf(stderr, "%s did not paint its first frame and exit cleanly\n", programs[p]);
                return 1;
            }
            time[p].push_back(run.milliseconds);
            rss[p].push_back(run.maxRssKiB);
            frameRss[p].push_back(run.frameRssKiB);
        }
    std::printf("runs each           %d, alternating\n", runs);
    std::printf("                                                          peak RSS at first frame / whole run\n");
    for (std::size_t p = 0; p < count; ++p)
        std::printf("%-12s first paint median %7.1f ms (fastest %7.1f)   %6.1f MB / %6.1f MB\n",
                    shortName(programs[p]).c_str(), median(time[p]), lowest(time[p]), median(frameRss[p]) / 1024.0,
                    median(rss[p]) / 1024.0);
    const std::size_t last = count - 1;
    for (std::size_t p = 0; p < last; ++p)
        std::printf("ratio of medians to %-12s %5.2f          extra  %6.1f MB / %6.1f MB\n",
                    shortName(programs[p]).c_str(), median(time[last]) / median(time[p]),
                    (median(frameRss[last]) - median(frameRss[p])) / 1024.0,
                    (median(rss[last]) - median(rss[p])) / 1024.0);
    return 0;
}
