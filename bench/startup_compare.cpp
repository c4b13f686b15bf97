// Starts the game and the bare Qt window alternately (A B A B ...) and prints
// the median wall time, CPU time and peak memory of each, and their ratios.
//
//   startup_compare GAME BARE [RUNS [TARGET]]

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

struct Run {
    double wallMs;
    double cpuMs;
    double peakMiB;
};

Run runOnce(const char *program)
{
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        // Qt's start-up notes would drown the table.
        if (FILE *quiet = std::fopen("/dev/null", "w"))
            dup2(fileno(quiet), STDERR_FILENO);
        execl(program, program, static_cast<char *>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed (status %d)\n", program, status);
        std::exit(1);
    }
    auto ms = [](const timeval &t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
    return {std::chrono::duration<double, std::milli>(end - start).count(),
            ms(usage.ru_utime) + ms(usage.ru_stime), usage.ru_maxrss / 1024.0};
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
        std::fprintf(stderr, "usage: %s GAME BARE [RUNS]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 3 ? std::atoi(argv[3]) : 21;
    for (int i = 0; i < 3; ++i) {   // warm the caches of both
        runOnce(argv[1]);
        runOnce(argv[2]);
    }
    std::vector<double> wall[2], cpu[2], peak[2], wallRatio, cpuRatio, peakRatio;
    for (int i = 0; i < runs; ++i) {
        const Run game = runOnce(argv[1]);
        const Run bare = runOnce(argv[2]);
        for (int k = 0; k < 2; ++k) {
            const Run &r = k == 0 ? game : bare;
            wall[k].push_back(r.wallMs);
            cpu[k].push_back(r.cpuMs);
            peak[k].push_back(r.peakMiB);
        }
        wallRatio.push_back(game.wallMs / bare.wallMs);
        cpuRatio.push_back(game.cpuMs / bare.cpuMs);
        peakRatio.push_back(game.peakMiB / bare.peakMiB);
    }
    const char *target = argc > 4 ? argv[4] : "<= 1.20";
    std::printf("| start-up wall time (median of %d pairs) | %.1f ms | %.1f ms | %.2f | %s |\n",
                runs, median(wall[0]), median(wall[1]), median(wallRatio), target);
    std::printf("| start-up CPU time | %.1f ms | %.1f ms | %.2f | %s |\n",
                median(cpu[0]), median(cpu[1]), median(cpuRatio), target);
    std::printf("| start-up peak memory | %.1f MiB | %.1f MiB | %.2f | %s |\n",
                median(peak[0]), median(peak[1]), median(peakRatio), target);
    return 0;
}
