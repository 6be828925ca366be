// One generation run of the key word generator over a 5 MB body, against the classic Unix word
// count pipeline on the same file: tr -cs '[:alnum:]' '\n' | sort | uniq -c | sort -rn.
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "RatioReporter.h"
#include "SilentPorts.h"
#include "keywords/KeyWordGenerator.h"

namespace {

const std::filesystem::path& Folder() {
    static const std::filesystem::path folder = [] {
        std::filesystem::path f = std::filesystem::temp_directory_path() / "zendal-keyword-bench";
        std::filesystem::create_directories(f);
        return f;
    }();
    return folder;
}

// 5 MB of body text: words of a 20,000 word vocabulary drawn with a Zipf-like skew, in mixed
// case, with punctuation, markup, scripts, comments and character references between them.
const std::filesystem::path& PagePath() {
    static const std::filesystem::path path = [] {
        std::mt19937 random(5);
        std::vector<std::string> vocabulary;
        const char* syllables[] = {"ka", "lo", "mi", "ne", "sor", "tu", "va", "pe", "ri", "dan"};
        for (int i = 0; i < 20000; ++i) {
            std::string word;
            for (int n = i;; n /= 10) {
                word += syllables[n % 10];
                if (n < 10) {
                    break;
                }
            }
            vocabulary.push_back(word);
        }
        std::string body;
        body.reserve(5u << 20);
        std::uniform_real_distribution<double> uniform(0.0, 1.0);
        for (std::size_t i = 0; body.size() < (5u << 20); ++i) {
            std::size_t rank = static_cast<std::size_t>(std::pow(uniform(random), 3.0) *
                                                        static_cast<double>(vocabulary.size()));
            std::string word = vocabulary[rank];
            if (i % 7 == 0) {
                word[0] = static_cast<char>(word[0] - 32);
            }
            body += word;
            switch (i % 23) {
                case 0:
                    body += ". ";
                    break;
                case 3:
                    body += " <script>if (a < b) { c = '(' + d; }</script> ";
                    break;
                case 7:
                    body += "), (";
                    break;
                case 11:
                    body += "&nbsp;caf&eacute;&#233; ";
                    break;
                case 15:
                    body += " <!-- a comment --> ";
                    break;
                case 5:
                    body += " <a href=\"page.html\" class=link>";
                    break;
                case 9:
                    body += "</a> ";
                    break;
                case 13:
                    body += " &amp; ";
                    break;
                case 17:
                    body += "\r\n";
                    break;
                default:
                    body += ' ';
            }
        }
        std::filesystem::path p = Folder() / "page.html";
        std::ofstream(p, std::ios::binary)
            << "<html><head><title>Bench</title></head><body>" << body << "</body></html>\r\n";
        std::ofstream(Folder() / "srexclude.txt", std::ios::binary) << "kalo\r\nmine\r\n";
        return p;
    }();
    return path;
}

std::size_t RunGenerator() {
    NullMessages messages;
    NullStatus status;
    zendal::KeyWordGenerator generator(Folder().string() + "/", messages, status, nullptr, nullptr);
    generator.SetBodyCheckLimit(6 << 20);
    generator.Run(PagePath().string());
    return generator.Rows().size();
}

std::string PipelineCommand() {
    return "tr -cs '[:alnum:]' '\\n' < '" + PagePath().string() +
           "' | sort | uniq -c | sort -rn > /dev/null";
}

void GenerationRun(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(RunGenerator());
    }
}

void UnixPipeline(benchmark::State& state) {
    const std::string command = PipelineCommand();
    rusage before{};
    getrusage(RUSAGE_CHILDREN, &before);
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0) {
            state.SkipWithError("the pipeline failed");
            break;
        }
    }
    // The pipeline's own processor time, which the benchmark's CPU column does not see.
    rusage after{};
    getrusage(RUSAGE_CHILDREN, &after);
    auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    double used =
        ms(after.ru_utime) + ms(after.ru_stime) - ms(before.ru_utime) - ms(before.ru_stime);
    state.counters["child_cpu_ms"] = used / static_cast<double>(state.iterations());
}

// One generation run and one pipeline run, back to back, per round, so that both see the same
// load of the machine; prints the median of the rounds' ratios.
void PrintPairedRounds(int rounds) {
    using Clock = std::chrono::steady_clock;
    const std::string command = PipelineCommand();
    std::vector<double> ratios;
    for (int round = 0; round < rounds; ++round) {
        Clock::time_point start = Clock::now();
        benchmark::DoNotOptimize(RunGenerator());
        Clock::time_point middle = Clock::now();
        if (std::system(command.c_str()) != 0) {
            std::printf("paired rounds: the pipeline failed\n");
            return;
        }
        Clock::time_point end = Clock::now();
        ratios.push_back(std::chrono::duration<double>(middle - start).count() /
                         std::chrono::duration<double>(end - middle).count());
    }
    std::sort(ratios.begin(), ratios.end());
    std::printf("paired rounds (%d): generation run / pipeline, median %.2f (min %.2f, max %.2f)\n",
                rounds, ratios[ratios.size() / 2], ratios.front(), ratios.back());
}

BENCHMARK(GenerationRun)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(UnixPipeline)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    PagePath();
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatio("key word generation on a 5 MB body vs the Unix word count pipeline",
                        "GenerationRun/real_time", "UnixPipeline/real_time");
    PrintPairedRounds(7);
    std::filesystem::remove_all(Folder());
    benchmark::Shutdown();
}
