#include "stats.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numeric>

void Series::add(double ms)
{
    m_values.push_back(ms);
    m_sorted = false;
}

void Series::addAll(const Series &other)
{
    m_values.insert(m_values.end(), other.m_values.begin(), other.m_values.end());
    m_sorted = m_values.empty();
}

void Series::sort() const
{
    if (m_sorted)
        return;
    std::sort(m_values.begin(), m_values.end());
    m_sorted = true;
}

double Series::percentile(double p) const
{
    if (m_values.empty())
        return 0;
    sort();
    const auto rank = static_cast<std::size_t>(std::ceil(p / 100 * static_cast<double>(m_values.size())));
    return m_values[std::min(m_values.size(), std::max<std::size_t>(rank, 1)) - 1];
}

double Series::mean() const
{
    if (m_values.empty())
        return 0;
    return std::accumulate(m_values.begin(), m_values.end(), 0.0) / static_cast<double>(m_values.size());
}

double Series::percentAbove(double ms) const
{
    if (m_values.empty())
        return 0;
    const auto above = std::count_if(m_values.begin(), m_values.end(), [ms](double v) { return v > ms; });
    return 100.0 * static_cast<double>(above) / static_cast<double>(m_values.size());
}

std::string Series::summary() const
{
    if (m_values.empty())
        return "no samples";
    char text[160];
    std::snprintf(text, sizeof text, "p50 %.2f  p95 %.2f  p99 %.2f  max %.2f ms  (%zu)", percentile(50), percentile(95),
                  percentile(99), max(), count());
    return text;
}
