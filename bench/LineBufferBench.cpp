// The document line buffer on a 5 MB and a 50 MB page: each operation's time at ten times the
// size, as a ratio, beside the ratio of a plain copy of the page (the baseline: what touching
// every byte once costs on this machine, caches included). Linear operations come out near the
// baseline's ratio (about 10), line access near 1.
#include <benchmark/benchmark.h>

#include <malloc.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>

#include "base/LineBuffer.h"

using zendal::LineBuffer;

namespace {

constexpr long kMegabyte = 1 << 20;

// A page of about the given size: a head and a body of paragraphs, LF line breaks.
const std::string& Page(long megabytes) {
    static std::map<long, std::string> pages;
    std::string& page = pages[megabytes];
    if (page.empty()) {
        page = "<html>\n<head>\n<title>Bench</title>\n</head>\n<body bgcolor=\"white\">\n";
        const std::string paragraph =
            "<p>Meta tags tell search engines what a page is about, in a few words.</p>\n";
        while (static_cast<long>(page.size()) < megabytes * kMegabyte) {
            page += paragraph;
        }
        page += "</body>\n</html>\n";
    }
    return page;
}

const LineBuffer& Loaded(long megabytes) {
    static std::map<long, LineBuffer> buffers;
    LineBuffer& buffer = buffers[megabytes];
    if (buffer.LineCount() == 0) {
        buffer.AppendText(Page(megabytes));
    }
    return buffer;
}

void BaselineCopy(benchmark::State& state) {
    const std::string& page = Page(state.range(0));
    std::string copy(page.size(), '\0');
    for (auto _ : state) {
        std::memcpy(copy.data(), page.data(), page.size());
        benchmark::ClobberMemory();
    }
}

void SetText(benchmark::State& state) {
    const std::string& page = Page(state.range(0));
    LineBuffer buffer;
    for (auto _ : state) {
        buffer.SetText(page);
        benchmark::DoNotOptimize(buffer.LineCount());
    }
}

void AppendText(benchmark::State& state) {
    const std::string& page = Page(state.range(0));
    for (auto _ : state) {
        LineBuffer buffer;
        buffer.AppendText(page);
        benchmark::DoNotOptimize(buffer.LineCount());
    }
}

void WholeTextCopy(benchmark::State& state) {
    const LineBuffer& buffer = Loaded(state.range(0));
    for (auto _ : state) {
        std::string text = buffer.WholeText();
        benchmark::DoNotOptimize(text.data());
    }
}

void FindTextMissing(benchmark::State& state) {
    const LineBuffer& buffer = Loaded(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(buffer.FindText("<frameset", 0, 1L << 40));
    }
}

void IndexOfLineMissing(benchmark::State& state) {
    const LineBuffer& buffer = Loaded(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(buffer.IndexOfLine("<frameset>"));
    }
}

void GetLine(benchmark::State& state) {
    const LineBuffer& buffer = Loaded(state.range(0));
    const long middle = buffer.LineCount() / 2;
    for (auto _ : state) {
        benchmark::DoNotOptimize(buffer.GetLine(middle).size());
    }
}

void InsertAndDeleteLine(benchmark::State& state) {
    LineBuffer buffer = Loaded(state.range(0));
    const long middle = buffer.LineCount() / 2;
    const auto insertAndDelete = [&] {
        buffer.InsertLine(middle, "<meta name=\"keywords\" content=\"bench\">");
        buffer.DeleteLine(middle);
    };
    insertAndDelete();  // the copy's first insert grows its storage once
    for (auto _ : state) {
        insertAndDelete();
    }
}

void PutLine(benchmark::State& state) {
    LineBuffer buffer = Loaded(state.range(0));
    const long middle = buffer.LineCount() / 2;
    for (auto _ : state) {
        buffer.PutLine(middle, "<p>A line of another length.</p>");
    }
}

void ReplaceRange(benchmark::State& state) {
    LineBuffer buffer = Loaded(state.range(0));
    const long head = buffer.FindText("<head>", 0, 100);
    for (auto _ : state) {
        benchmark::DoNotOptimize(buffer.ReplaceRange(head, 6, "<head>"));
    }
}

#define ZENDAL_SIZES(f) BENCHMARK(f)->Arg(5)->Arg(50)->Unit(benchmark::kMillisecond)
ZENDAL_SIZES(BaselineCopy);
ZENDAL_SIZES(SetText);
ZENDAL_SIZES(AppendText);
ZENDAL_SIZES(WholeTextCopy);
ZENDAL_SIZES(FindTextMissing);
ZENDAL_SIZES(IndexOfLineMissing);
ZENDAL_SIZES(GetLine)->Unit(benchmark::kNanosecond);
ZENDAL_SIZES(InsertAndDeleteLine);
ZENDAL_SIZES(PutLine);
ZENDAL_SIZES(ReplaceRange);

// Shows the runs as usual and keeps each operation's best CPU time per iteration over the
// repetitions: the machine is shared, and the best run is the one least disturbed.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration) {
                continue;
            }
            std::string name = run.run_name.function_name;
            long size = std::stol(run.run_name.args);
            double time = run.GetAdjustedCPUTime();
            auto [at, added] = times_[name].emplace(size, time);
            if (!added && time < at->second) {
                at->second = time;
            }
        }
    }
    void PrintRatios() const {
        const double baseline = Ratio("BaselineCopy");
        std::printf("\n%-22s %14s %14s %8s %12s\n", "operation", "5 MB", "50 MB", "50/5",
                    "/ baseline");
        for (const auto& [name, bySize] : times_) {
            if (bySize.count(5) && bySize.count(50)) {
                std::printf("%-22s %14.4g %14.4g %8.2f %12.2f\n", name.c_str(), bySize.at(5),
                            bySize.at(50), Ratio(name), Ratio(name) / baseline);
            }
        }
        std::printf("(best CPU time per operation, in the unit of each run above)\n");
    }

  private:
    double Ratio(const std::string& name) const {
        auto found = times_.find(name);
        if (found == times_.end() || !found->second.count(5) || !found->second.count(50)) {
            return 0;
        }
        return found->second.at(50) / found->second.at(5);
    }

    std::map<std::string, std::map<long, double>> times_;
};

}  // namespace

int main(int argc, char** argv) {
    // The allocator hands blocks above its mapping threshold (at most 32 MB) straight to the
    // system, so a 50 MB text would pay fresh page faults on every run and a 5 MB one none.
    // Keeping every block on the heap makes both sizes pay the same per byte.
    mallopt(M_MMAP_THRESHOLD, 1 << 30);
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    std::vector<char*> args(argv, argv + argc);
    std::string repetitions = "--benchmark_repetitions=3";
    args.insert(args.begin() + 1, repetitions.data());
    argc = static_cast<int>(args.size());
    benchmark::Initialize(&argc, args.data());
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    benchmark::Shutdown();
    return 0;
}
