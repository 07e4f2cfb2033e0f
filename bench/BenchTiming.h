#pragma once

#include <functional>
#include <vector>

// Wall-clock and processor time of a piece of work. On a shared, loaded
// machine the wall clock mostly measures the wait for a processor; the
// processor time (this process and the children it waited for) is what the
// work costs.
struct BenchTime {
    double wall = 0;
    double cpu = 0;
};

BenchTime Measure(const std::function<void()> &work);

// The middle one of values (the upper middle one of an even count).
double Median(std::vector<double> values);

// Runs work runs times (run counts from 0); the median wall-clock time and
// the median processor time, each over all runs.
BenchTime MedianOf(int runs, const std::function<void(int run)> &work);

// Runs work runs times; the time of the run with the shortest wall-clock time.
BenchTime BestOf(int runs, const std::function<void()> &work);

// "  what   wall s (cpu s)  detail   goal < goal s cpu: met|MISSED"
void ReportTime(const char *what, const BenchTime &time, const char *detail, double goal);
