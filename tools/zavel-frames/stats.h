#ifndef ZAVEL_FRAMES_STATS_H
#define ZAVEL_FRAMES_STATS_H

// The samples of one figure, in milliseconds, and their order statistics. Percentiles are nearest-rank: p99 of
// 500 samples is the 495th smallest, so it is always a time that was measured.

#include <cstddef>
#include <string>
#include <vector>

class Series
{
public:
    void add(double ms);
    void addAll(const Series &other);
    const std::vector<double> &values() const { return m_values; }
    std::size_t count() const { return m_values.size(); }
    double percentile(double p) const;
    double max() const { return percentile(100); }
    double mean() const;
    // The share of samples above a limit, in per cent.
    double percentAbove(double ms) const;
    // "p50 a p95 b p99 c max d ms (n)", or "no samples".
    std::string summary() const;

private:
    void sort() const;

    mutable std::vector<double> m_values;
    mutable bool m_sorted = true;
};

#endif
