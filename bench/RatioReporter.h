#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

// Prints the usual console table, then each named ratio of two benchmarks' mean real times
// measured in the same run.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            times_[run.benchmark_name()] = run.GetAdjustedRealTime();
            cpuTimes_[run.benchmark_name()] = run.GetAdjustedCPUTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }
    // Prints "label: numerator / denominator = ratio", of the CPU times when asked.
    void PrintRatio(const std::string& label, const std::string& numerator,
                    const std::string& denominator, bool cpu = false) const {
        const std::map<std::string, double>& times = cpu ? cpuTimes_ : times_;
        auto n = times.find(numerator);
        auto d = times.find(denominator);
        if (n == times.end() || d == times.end() || d->second == 0) {
            std::printf("%s: not measured\n", label.c_str());
            return;
        }
        std::printf("%s%s: %s / %s = %.2f\n", label.c_str(), cpu ? " (CPU time)" : "",
                    numerator.c_str(), denominator.c_str(), n->second / d->second);
    }

  private:
    std::map<std::string, double> times_;
    std::map<std::string, double> cpuTimes_;
};
