// Zendal's spelling dictionary side by side with hunspell (en_US, through its library, loaded
// at run time) on one list of real misspellings and their corrections: the word test, the
// suggestions (time per word and accuracy). bench/run-spell-vs-hunspell installs hunspell.
#include <benchmark/benchmark.h>
#include <dlfcn.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "base/MessagePort.h"
#include "spell/TDictionary.h"

namespace {

struct Pair {
    std::string wrong;
    std::string right;
};

class SilentMessages : public zendal::MessagePort {
  public:
    void Show(Box, Outcome, const std::string& text) override { std::cerr << text << '\n'; }
    bool AskYesNo(const std::string&) override { return true; }
};

// The C interface of libhunspell.
class Hunspell {
  public:
    Hunspell() {
        lib_ = dlopen("libhunspell-1.7.so.0", RTLD_NOW);
        if (lib_ == nullptr) {
            return;
        }
        create_ = reinterpret_cast<Create>(dlsym(lib_, "Hunspell_create"));
        destroy_ = reinterpret_cast<Destroy>(dlsym(lib_, "Hunspell_destroy"));
        spell_ = reinterpret_cast<Spell>(dlsym(lib_, "Hunspell_spell"));
        suggest_ = reinterpret_cast<Suggest>(dlsym(lib_, "Hunspell_suggest"));
        free_ = reinterpret_cast<FreeList>(dlsym(lib_, "Hunspell_free_list"));
        if (create_ && destroy_ && spell_ && suggest_ && free_) {
            handle_ = create_("/usr/share/hunspell/en_US.aff", "/usr/share/hunspell/en_US.dic");
        }
    }
    ~Hunspell() {
        if (handle_ != nullptr) {
            destroy_(handle_);
        }
        if (lib_ != nullptr) {
            dlclose(lib_);
        }
    }
    bool Ready() const { return handle_ != nullptr; }
    bool IsWord(const std::string& word) const { return spell_(handle_, word.c_str()) != 0; }
    std::vector<std::string> Suggestions(const std::string& word) const {
        char** list = nullptr;
        int count = suggest_(handle_, &list, word.c_str());
        std::vector<std::string> result(list, list + std::max(count, 0));
        free_(handle_, &list, count);
        return result;
    }

  private:
    using Create = void* (*)(const char*, const char*);
    using Destroy = void (*)(void*);
    using Spell = int (*)(void*, const char*);
    using Suggest = int (*)(void*, char***, const char*);
    using FreeList = void (*)(void*, char***, int);
    void* lib_ = nullptr;
    void* handle_ = nullptr;
    Create create_ = nullptr;
    Destroy destroy_ = nullptr;
    Spell spell_ = nullptr;
    Suggest suggest_ = nullptr;
    FreeList free_ = nullptr;
};

SilentMessages messages;
zendal::TDictionary* zendalDictionary = nullptr;
Hunspell* hunspell = nullptr;
std::vector<Pair> pairs;
std::vector<std::string> allWords;  // each misspelling and each correction

std::vector<Pair> ReadPairs(const std::string& path) {
    std::vector<Pair> result;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        auto tab = line.find('\t');
        if (tab != std::string::npos) {
            result.push_back({line.substr(0, tab), line.substr(tab + 1)});
        }
    }
    return result;
}

using Clock = std::chrono::steady_clock;

template <typename F>
double Microseconds(F&& f) {
    auto start = Clock::now();
    f();
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
}

double Percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    std::size_t index = static_cast<std::size_t>(p * double(values.size() - 1) + 0.5);
    return values[std::min(index, values.size() - 1)];
}

struct SuggestStats {
    double median = 0;
    double p99 = 0;
    double max = 0;
    int top1 = 0;
    int top5 = 0;
};

template <typename Suggester>
SuggestStats MeasureSuggest(Suggester&& suggest) {
    SuggestStats stats;
    std::vector<double> times;
    for (const Pair& pair : pairs) {
        std::vector<std::string> list;
        // The best of three runs, to keep one-off stalls of the machine out.
        double best = 1e18;
        for (int run = 0; run < 3; ++run) {
            best = std::min(best, Microseconds([&] { list = suggest(pair.wrong); }));
        }
        times.push_back(best);
        auto found = std::find(list.begin(), list.end(), pair.right);
        stats.top1 += !list.empty() && list.front() == pair.right;
        stats.top5 += found != list.end() && found - list.begin() < 5;
    }
    stats.median = Percentile(times, 0.5);
    stats.p99 = Percentile(times, 0.99);
    stats.max = *std::max_element(times.begin(), times.end());
    return stats;
}

template <typename Test>
double NanosecondsPerWordTest(Test&& test) {
    const int rounds = 200;
    double best = 1e18;
    for (int r = 0; r < 5; ++r) {
        int accepted = 0;
        double us = Microseconds([&] {
            for (int i = 0; i < rounds; ++i) {
                for (const std::string& word : allWords) {
                    accepted += test(word);
                }
            }
        });
        benchmark::DoNotOptimize(accepted);
        best = std::min(best, us * 1000.0 / (rounds * double(allWords.size())));
    }
    return best;
}

void Compare() {
    std::printf("%zu misspellings with their corrections, %zu words in all\n\n", pairs.size(),
                allWords.size());
    double zendalTest =
        NanosecondsPerWordTest([](const std::string& w) { return zendalDictionary->IsWord(w); });
    SuggestStats zendalSuggest =
        MeasureSuggest([](const std::string& w) { return zendalDictionary->Suggest(w, 15); });
    if (hunspell == nullptr) {
        std::printf("hunspell is not installed: Zendal only\n");
        std::printf(
            "IsWord %.0f ns/word; Suggest median %.0f us, p99 %.0f us; top-1 %d, top-5 %d\n",
            zendalTest, zendalSuggest.median, zendalSuggest.p99, zendalSuggest.top1,
            zendalSuggest.top5);
        return;
    }
    double hunspellTest =
        NanosecondsPerWordTest([](const std::string& w) { return hunspell->IsWord(w); });
    SuggestStats hunspellSuggest =
        MeasureSuggest([](const std::string& w) { return hunspell->Suggestions(w); });
    auto percent = [](int n) { return 100.0 * n / double(pairs.size()); };
    std::printf("%-28s %14s %14s %10s\n", "", "Zendal", "hunspell", "ratio Z/h");
    std::printf("%-28s %14.0f %14.0f %10.2f\n", "word test, ns per word", zendalTest, hunspellTest,
                zendalTest / hunspellTest);
    std::printf("%-28s %14.0f %14.0f %10.2f\n", "suggest median, us", zendalSuggest.median,
                hunspellSuggest.median, zendalSuggest.median / hunspellSuggest.median);
    std::printf("%-28s %14.0f %14.0f %10.2f\n", "suggest 99th percentile, us", zendalSuggest.p99,
                hunspellSuggest.p99, zendalSuggest.p99 / hunspellSuggest.p99);
    std::printf("%-28s %14.0f %14.0f\n", "suggest slowest, us", zendalSuggest.max,
                hunspellSuggest.max);
    std::printf("%-28s %13.1f%% %13.1f%%\n", "top-1 accuracy", percent(zendalSuggest.top1),
                percent(hunspellSuggest.top1));
    std::printf("%-28s %13.1f%% %13.1f%%\n", "top-5 accuracy", percent(zendalSuggest.top5),
                percent(hunspellSuggest.top5));
    std::printf(
        "\ngoals: word test ratio <= 1, suggest median ratio <= 0.5, Zendal p99 < 50000 us\n\n");
}

void BM_ZendalIsWord(benchmark::State& state) {
    for (auto _ : state) {
        for (const std::string& word : allWords) {
            benchmark::DoNotOptimize(zendalDictionary->IsWord(word));
        }
    }
    state.SetItemsProcessed(state.iterations() * std::int64_t(allWords.size()));
}

void BM_HunspellSpell(benchmark::State& state) {
    if (hunspell == nullptr) {
        state.SkipWithError("hunspell is not installed");
        return;
    }
    for (auto _ : state) {
        for (const std::string& word : allWords) {
            benchmark::DoNotOptimize(hunspell->IsWord(word));
        }
    }
    state.SetItemsProcessed(state.iterations() * std::int64_t(allWords.size()));
}

void BM_ZendalSuggest(benchmark::State& state) {
    for (auto _ : state) {
        for (const Pair& pair : pairs) {
            benchmark::DoNotOptimize(zendalDictionary->Suggest(pair.wrong, 15));
        }
    }
    state.SetItemsProcessed(state.iterations() * std::int64_t(pairs.size()));
}

void BM_HunspellSuggest(benchmark::State& state) {
    if (hunspell == nullptr) {
        state.SkipWithError("hunspell is not installed");
        return;
    }
    for (auto _ : state) {
        for (const Pair& pair : pairs) {
            benchmark::DoNotOptimize(hunspell->Suggestions(pair.wrong));
        }
    }
    state.SetItemsProcessed(state.iterations() * std::int64_t(pairs.size()));
}

BENCHMARK(BM_ZendalIsWord)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HunspellSpell)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ZendalSuggest)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HunspellSuggest)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    std::string dictionary = std::string(ZENDAL_BUILD_DATA_DIR) + "/zendal.dct";
    std::string list = std::string(ZENDAL_SOURCE_DATA_DIR) + "/../bench/data/misspellings.txt";
    zendal::TDictionary zendal(messages);
    if (!zendal.OpenDictionary(dictionary)) {
        std::fprintf(stderr, "%s is missing: build the project first\n", dictionary.c_str());
        return 1;
    }
    zendalDictionary = &zendal;
    Hunspell peer;
    if (peer.Ready()) {
        hunspell = &peer;
    }
    // Only pairs whose correction both tools hold are a fair question.
    for (const Pair& pair : ReadPairs(list)) {
        if (zendal.IsWord(pair.right) && (hunspell == nullptr || hunspell->IsWord(pair.right))) {
            pairs.push_back(pair);
            allWords.push_back(pair.wrong);
            allWords.push_back(pair.right);
        }
    }
    if (pairs.empty()) {
        std::fprintf(stderr, "no word pairs in %s\n", list.c_str());
        return 1;
    }
    Compare();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
