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
        }
        ConsoleReporter::ReportRuns(runs);
    }
    // Prints "label: numerator / denominator = ratio".
    void PrintRatio(const std::string& label, const std::string& numerator,
                    const std::string& denominator) const {
        auto n = times_.find(numerator);
        auto d = times_.find(denominator);
        if (n == times_.end() || d == times_.end() || d->second == 0) {
            std::printf("%s: not measured\n", label.c_str());
            return;
        }
        std::printf("%s: %s / %s = %.2f\n", label.c_str(), numerator.c_str(), denominator.c_str(),
                    n->second / d->second);
    }

  private:
    std::map<std::string, double> times_;
};
