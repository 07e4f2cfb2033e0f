#pragma once

#include <functional>

// Wall-clock and processor time of a piece of work. On a shared, loaded
// machine the wall clock mostly measures the wait for a processor; the
// processor time (this process and the children it waited for) is what the
// work costs.
struct BenchTime {
    double wall = 0;
    double cpu = 0;
};

BenchTime Measure(const std::function<void()> &work);

// "  what   wall s (cpu s)  detail   goal < goal s cpu: met|MISSED"
void ReportTime(const char *what, const BenchTime &time, const char *detail, double goal);
