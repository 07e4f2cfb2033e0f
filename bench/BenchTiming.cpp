#include "BenchTiming.h"

#include <QElapsedTimer>

#include <sys/resource.h>

#include <cstdio>

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

void ReportTime(const char *what, const BenchTime &time, const char *detail, double goal)
{
    std::printf("  %-40s %8.3f s wall (%6.3f s cpu)  %-22s", what, time.wall, time.cpu, detail);
    if (goal > 0)
        std::printf("  goal < %.0f s cpu: %s", goal, time.cpu < goal ? "met" : "MISSED");
    std::printf("\n");
}
