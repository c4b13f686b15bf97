// Starts the game and a yardstick alternately and prints the median wall time,
// CPU time and peak memory of each, from the start of the process to the end
// of its first paint (each program reports that moment itself, see
// firstpaint.h), and the medians of the ratios of each pair. A last row gives
// the CPU time of the whole process, its exit included.
//
// Both programs of a pair run on the same processor, and the pairs take the
// processors in turn, each order (A B, B A) as often as the other: processors
// of a virtual machine need not be equally fast (one of this machine's two ran
// start-up 40 % slower than the other), and the scheduler would otherwise
// often put the two programs of a pair on different ones.
//
//   startup_compare GAME YARDSTICK [RUNS [TARGET]]

#include <sched.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

namespace {

struct Run {
    double wallMs;      // to the end of the first paint
    double cpuMs;       // the same
    double peakMiB;     // the same
    double wholeCpuMs;  // to the exit
};

long long monotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}

[[noreturn]] void fail(const char *program, const char *what)
{
    std::fprintf(stderr, "%s: %s\n", program, what);
    std::exit(1);
}

// The processors this process may run on.
std::vector<int> usableProcessors()
{
    cpu_set_t set;
    std::vector<int> processors;
    if (sched_getaffinity(0, sizeof set, &set) == 0) {
        for (int cpu = 0; cpu < CPU_SETSIZE; ++cpu) {
            if (CPU_ISSET(cpu, &set))
                processors.push_back(cpu);
        }
    }
    if (processors.empty())
        processors.push_back(-1);   // anywhere
    return processors;
}

Run runOnce(const char *program, int processor)
{
    int report[2];
    if (pipe(report) != 0)
        fail(program, "no pipe");
    const long long start = monotonicNanoseconds();
    const pid_t child = fork();
    if (child == 0) {
        close(report[0]);
        if (processor >= 0) {
            cpu_set_t one;
            CPU_ZERO(&one);
            CPU_SET(processor, &one);
            sched_setaffinity(0, sizeof one, &one);
        }
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        setenv("QUORVEL_STARTUP_REPORT", std::to_string(report[1]).c_str(), 1);
        // Qt's start-up notes would drown the table.
        if (FILE *quiet = std::fopen("/dev/null", "w"))
            dup2(fileno(quiet), STDERR_FILENO);
        execl(program, program, static_cast<char *>(nullptr));
        _exit(127);
    }
    close(report[1]);
    std::string text;
    char buffer[256];
    for (ssize_t n; (n = read(report[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, size_t(n));
    close(report[0]);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        fail(program, "failed");
    long long paintedAt = 0, cpuMicroseconds = 0;
    long peakKiB = 0;
    if (std::sscanf(text.c_str(), "%lld %lld %ld", &paintedAt, &cpuMicroseconds, &peakKiB) != 3)
        fail(program, "reported no first paint");
    auto ms = [](const timeval &t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
    return {(paintedAt - start) / 1e6, cpuMicroseconds / 1000.0, peakKiB / 1024.0,
            ms(usage.ru_utime) + ms(usage.ru_stime)};
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s GAME YARDSTICK [RUNS [TARGET]]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 3 ? std::atoi(argv[3]) : 21;
    const std::vector<int> processors = usableProcessors();
    const int count = int(processors.size());
    for (int processor : processors) {   // warm the caches of both
        runOnce(argv[1], processor);
        runOnce(argv[2], processor);
    }
    enum { Wall, Cpu, Peak, WholeCpu, Measures };
    std::vector<double> value[2][Measures], ratio[Measures];
    for (int i = 0; i < runs; ++i) {
        const int processor = processors[i % count];
        const bool gameFirst = (i / count) % 2 == 0;
        Run game, other;
        if (gameFirst) {
            game = runOnce(argv[1], processor);
            other = runOnce(argv[2], processor);
        } else {
            other = runOnce(argv[2], processor);
            game = runOnce(argv[1], processor);
        }
        const Run *pair[2] = {&game, &other};
        for (int k = 0; k < 2; ++k) {
            value[k][Wall].push_back(pair[k]->wallMs);
            value[k][Cpu].push_back(pair[k]->cpuMs);
            value[k][Peak].push_back(pair[k]->peakMiB);
            value[k][WholeCpu].push_back(pair[k]->wholeCpuMs);
        }
        ratio[Wall].push_back(game.wallMs / other.wallMs);
        ratio[Cpu].push_back(game.cpuMs / other.cpuMs);
        ratio[Peak].push_back(game.peakMiB / other.peakMiB);
        ratio[WholeCpu].push_back(game.wholeCpuMs / other.wholeCpuMs);
    }
    const char *target = argc > 4 ? argv[4] : "";
    const auto row = [&](const char *what, const char *unit, int measure, const char *rowTarget) {
        std::printf("| %s | %.1f %s | %.1f %s | %.2f | %s |\n", what, median(value[0][measure]), unit,
                    median(value[1][measure]), unit, median(ratio[measure]), rowTarget);
    };
    const std::string wall = "start-up wall time, to the first paint (median of " + std::to_string(runs) + " pairs)";
    row(wall.c_str(), "ms", Wall, target);
    row("start-up CPU time, to the first paint", "ms", Cpu, target);
    row("start-up peak memory, at the first paint", "MiB", Peak, target);
    row("CPU time of the whole run, exit included", "ms", WholeCpu, "");
    return 0;
}
