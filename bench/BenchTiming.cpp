#include "BenchTiming.h"

#include <QElapsedTimer>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <limits>

namespace {

double cpuSeconds()
{
    double total = 0;
    for (const int who : {RUSAGE_SELF, RUSAGE_CHILDREN}) {
        rusage usage{};
        getrusage(who, &usage);
        total +=
            usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    }
    return total;
}

} // namespace

BenchTime Measure(const std::function<void()> &work)
{
    const double cpuBefore = cpuSeconds();
    QElapsedTimer timer;
    timer.start();
    work();
    return {timer.nsecsElapsed() / 1e9, cpuSeconds() - cpuBefore};
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

BenchTime MedianOf(int runs, const std::function<void(int run)> &work)
{
    std::vector<double> walls;
    std::vector<double> cpus;
    for (int run = 0; run < runs; ++run) {
        const BenchTime time = Measure([&] { work(run); });
        walls.push_back(time.wall);
        cpus.push_back(time.cpu);
    }
    return {Median(walls), Median(cpus)};
}

BenchTime BestOf(int runs, const std::function<void()> &work)
{
    BenchTime best{std::numeric_limits<double>::infinity(), 0};
    for (int run = 0; run < runs; ++run) {
        const BenchTime time = Measure(work);
        if (time.wall < best.wall)
            best = time;
    }
    return best;
}

void ReportTime(const char *what, const BenchTime &time, const char *detail, double goal)
{
    std::printf("  %-40s %8.3f s wall (%6.3f s cpu)  %-22s", what, time.wall, time.cpu, detail);
    if (goal > 0)
        std::printf("  goal < %.0f s cpu: %s", goal, time.cpu < goal ? "met" : "MISSED");
    std::printf("\n");
}
