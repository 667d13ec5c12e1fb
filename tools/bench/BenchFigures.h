#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QSize>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <vector>

// The --size WxH option of a benchmark's window, and the size it reads.
inline QCommandLineOption windowSizeOption(const QString &byDefault)
{
    return QCommandLineOption(QStringLiteral("size"), QStringLiteral("Window size."), QStringLiteral("WxH"), byDefault);
}

inline QSize windowSize(const QCommandLineParser &parser, const QCommandLineOption &option)
{
    const QStringList dims = parser.value(option).split(QLatin1Char('x'));
    return QSize(dims.value(0).toInt(), dims.value(1).toInt());
}

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
