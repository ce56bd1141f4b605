// Time and medians shared by the benchmarks.
#pragma once

#include <windows.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

namespace korvath::bench {

inline double now_ms() {
    static const double ticks_per_ms = [] {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        return static_cast<double>(frequency.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / ticks_per_ms;
}

inline double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

inline void require(bool condition, const std::string& what) {
    if (!condition) {
        throw std::runtime_error(what);
    }
}

} // namespace korvath::bench
