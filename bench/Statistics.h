#pragma once
// What both benchmarks need to time things and sum them up.
#include <windows.h>

#include <vector>

class Stopwatch {
public:
    Stopwatch();
    static long long Now();
    double ElapsedMs(long long start, long long end) const;

private:
    double ticksPerMs_ = 1.0;
};

double Median(std::vector<double> values);
double Smallest(const std::vector<double>& values);
double Largest(const std::vector<double>& values);
