#pragma once

#include <algorithm>
#include <cstdio>
#include <vector>

// The figures of a series of timings (milliseconds) and their printed line.
struct Summary
{
    double median = 0, p95 = 0, max = 0, min = 0;
};

inline Summary summarise(std::vector<double> values)
{
    Summary s;
    if (values.empty())
        return s;
    std::sort(values.begin(), values.end());
    s.min = values.front();
    s.median = values[values.size() / 2];
    s.p95 = values[std::min(values.size() - 1, size_t(values.size() * 0.95))];
    s.max = values.back();
    return s;
}

inline void print(const char *what, const Summary &s, size_t n)
{
    std::printf("%-44s n=%-4zu min %7.2f  median %7.2f  p95 %7.2f  max %7.2f ms\n", what, n, s.min, s.median,
                s.p95, s.max);
}
