// Throughput of the token parser TXMLp against libxml2's HTML push parser, side by side in one
// run, on the HTML pages installed on this machine (looped to at least 50 MB), both fed in 1 KB
// pieces; and the parser's throughput on pathological inputs as a ratio to its normal one.

#include <benchmark/benchmark.h>
#include <libxml/HTMLparser.h>

#include <time.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "keywords/TXMLp.h"

namespace {

constexpr std::size_t kChunk = 1024;
constexpr std::size_t kCorpusBytes = 50u << 20;

struct Corpus {
    std::vector<std::string> pages;  // looped: the same pages repeat up to kCorpusBytes
    std::size_t bytes = 0;
    std::size_t distinctPages = 0;
    std::size_t distinctBytes = 0;
};

const Corpus& RealPages() {
    static const Corpus corpus = [] {
        Corpus c;
        std::vector<std::filesystem::path> paths;
        std::error_code error;
        for (const char* root : {"/usr/share/doc", "/usr/share/gtk-doc", "/usr/share/help"}) {
            if (!std::filesystem::is_directory(root, error)) {
                continue;
            }
            for (auto it = std::filesystem::recursive_directory_iterator(
                     root, std::filesystem::directory_options::skip_permission_denied, error);
                 it != std::filesystem::recursive_directory_iterator(); it.increment(error)) {
                if (error) {
                    break;
                }
                const auto extension = it->path().extension();
                if ((extension == ".html" || extension == ".htm") && it->is_regular_file(error)) {
                    paths.push_back(it->path());
                }
            }
        }
        std::sort(paths.begin(), paths.end());
        std::vector<std::string> distinct;
        for (const auto& path : paths) {
            std::ifstream stream(path, std::ios::binary);
            std::string text((std::istreambuf_iterator<char>(stream)),
                             std::istreambuf_iterator<char>());
            // A byte 0 would end the parser's call early; real pages have none, but be sure.
            text.erase(std::remove(text.begin(), text.end(), '\0'), text.end());
            if (!text.empty()) {
                c.distinctBytes += text.size();
                distinct.push_back(std::move(text));
            }
        }
        c.distinctPages = distinct.size();
        while (!distinct.empty() && c.bytes < kCorpusBytes) {
            for (const auto& page : distinct) {
                c.pages.push_back(page);
                c.bytes += page.size();
                if (c.bytes >= kCorpusBytes) {
                    break;
                }
            }
        }
        return c;
    }();
    return corpus;
}

// One document through TXMLp in 1 KB pieces, then the end of the input.
void TokeniseDocument(zendal::TXMLp& parser, std::string_view text) {
    for (std::size_t at = 0; at < text.size(); at += kChunk) {
        parser.Parse(text.substr(at, kChunk));
    }
    parser.EndOfInput(true);
}

void BindEmptyHandlers(zendal::TXMLp& parser) {
    using zendal::TXMLp;
    parser.OnBeginElement = [](TXMLp&, std::string) {};
    parser.OnEmptyElement = [](TXMLp&, std::string) {};
    parser.OnEndElement = [](TXMLp&, std::string) {};
    parser.OnComment = [](TXMLp&, std::string) {};
    parser.OnEvalEntity = [](TXMLp&, std::string, std::string&) {};
    parser.OnMeta = [](TXMLp&, std::string) {};
    parser.OnPI = [](TXMLp&, std::string) {};
    parser.OnSpecialSection = [](TXMLp&, std::string, std::string) {};
    parser.OnText = [](TXMLp&, std::string) {};
}

std::map<std::string, double>& Throughputs() {
    static std::map<std::string, double> throughputs;  // benchmark name -> bytes per second
    return throughputs;
}

void SetBytes(benchmark::State& state, std::size_t bytesPerIteration) {
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytesPerIteration));
    state.counters["bytes_per_iteration"] = static_cast<double>(bytesPerIteration);
}

void BM_Zendal_Pages(benchmark::State& state) {
    const Corpus& corpus = RealPages();
    if (corpus.pages.empty()) {
        state.SkipWithError("no HTML pages found under /usr/share/doc");
        return;
    }
    const bool bound = state.range(0) != 0;
    for (auto _ : state) {
        for (const auto& page : corpus.pages) {
            zendal::TXMLp parser;
            if (bound) {
                BindEmptyHandlers(parser);
            }
            TokeniseDocument(parser, page);
        }
    }
    SetBytes(state, corpus.bytes);
}

void Ignore(void*, const char*, ...) {}

htmlSAXHandler EmptySaxHandler() {
    htmlSAXHandler sax{};
    sax.startElement = [](void*, const xmlChar*, const xmlChar**) {};
    sax.endElement = [](void*, const xmlChar*) {};
    sax.characters = [](void*, const xmlChar*, int) {};
    sax.ignorableWhitespace = [](void*, const xmlChar*, int) {};
    sax.cdataBlock = [](void*, const xmlChar*, int) {};
    sax.comment = [](void*, const xmlChar*) {};
    sax.processingInstruction = [](void*, const xmlChar*, const xmlChar*) {};
    sax.internalSubset = [](void*, const xmlChar*, const xmlChar*, const xmlChar*) {};
    sax.getEntity = [](void*, const xmlChar*) -> xmlEntityPtr { return nullptr; };
    sax.reference = [](void*, const xmlChar*) {};
    sax.startDocument = [](void*) {};
    sax.endDocument = [](void*) {};
    sax.warning = Ignore;
    sax.error = Ignore;
    sax.fatalError = Ignore;
    return sax;
}

// One document through libxml2's HTML push parser in 1 KB pieces, then its end.
void ParseWithLibxml2(htmlSAXHandler& sax, std::string_view text) {
    htmlParserCtxtPtr context =
        htmlCreatePushParserCtxt(&sax, nullptr, nullptr, 0, nullptr, XML_CHAR_ENCODING_UTF8);
    htmlCtxtUseOptions(context, HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING | HTML_PARSE_NONET);
    for (std::size_t at = 0; at < text.size(); at += kChunk) {
        const std::size_t size = std::min(kChunk, text.size() - at);
        htmlParseChunk(context, text.data() + at, static_cast<int>(size), 0);
    }
    htmlParseChunk(context, nullptr, 0, 1);
    htmlFreeParserCtxt(context);
}

void BM_Libxml2_Pages(benchmark::State& state) {
    const Corpus& corpus = RealPages();
    if (corpus.pages.empty()) {
        state.SkipWithError("no HTML pages found under /usr/share/doc");
        return;
    }
    htmlSAXHandler sax = EmptySaxHandler();
    for (auto _ : state) {
        for (const auto& page : corpus.pages) {
            ParseWithLibxml2(sax, page);
        }
    }
    SetBytes(state, corpus.bytes);
}

// The inputs that drive the tokeniser into its worst states.
const std::string& Pathological(int which) {
    static const std::vector<std::string> inputs = [] {
        std::vector<std::string> made;
        std::string nested;
        while (nested.size() < (1u << 20)) {
            nested += "<div class=box>";
        }
        made.push_back(nested);
        made.push_back(std::string(10u << 20, '<'));
        made.push_back(std::string(10u << 20, '&'));
        std::string comment = "<!--";
        while (comment.size() < (10u << 20)) {
            comment += "unclosed comment - still open -> ";
        }
        made.push_back(comment);
        return made;
    }();
    return inputs[which];
}

void BM_Zendal_Pathological(benchmark::State& state) {
    const std::string& input = Pathological(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        zendal::TXMLp parser;
        TokeniseDocument(parser, input);
    }
    SetBytes(state, input.size());
}

// For comparison only: how the peer fares on the same inputs.
void BM_Libxml2_Pathological(benchmark::State& state) {
    const std::string& input = Pathological(static_cast<int>(state.range(0)));
    htmlSAXHandler sax = EmptySaxHandler();
    for (auto _ : state) {
        ParseWithLibxml2(sax, input);
    }
    SetBytes(state, input.size());
}

BENCHMARK(BM_Zendal_Pages)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(1.0)
    ->Repetitions(3);
BENCHMARK(BM_Libxml2_Pages)->Unit(benchmark::kMillisecond)->MinTime(1.0)->Repetitions(3);
BENCHMARK(BM_Zendal_Pathological)
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Arg(3)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(0.5)
    ->Repetitions(3);
BENCHMARK(BM_Libxml2_Pathological)
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Arg(3)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(0.5)
    ->Repetitions(3);

// Prints as usual and keeps each run's throughput for the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const auto bytes = run.counters.find("bytes_per_iteration");
            if (run.error_occurred || run.run_type != Run::RT_Iteration ||
                bytes == run.counters.end() || run.cpu_accumulated_time <= 0) {
                continue;
            }
            // CPU time, and the best repetition: the machine is shared with other work.
            const double seconds = run.cpu_accumulated_time / static_cast<double>(run.iterations);
            double& best = Throughputs()[run.benchmark_name()];
            best = std::max(best, bytes->second.value / seconds);
        }
    }
};

double ThreadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

template <typename Work>
double Throughput(std::size_t bytes, Work&& work) {
    const double start = ThreadSeconds();
    work();
    return static_cast<double>(bytes) / (ThreadSeconds() - start);
}

// The median over several rounds of throughput(a) / throughput(b), the two measured right after
// each other, so that a change in the machine's load between them hardly moves the ratio.
template <typename WorkA, typename WorkB>
double PairedRatio(std::size_t bytesA, WorkA&& a, std::size_t bytesB, WorkB&& b) {
    std::vector<double> ratios;
    for (int round = 0; round < 9; ++round) {
        const double first = Throughput(bytesA, a);
        const double second = Throughput(bytesB, b);
        ratios.push_back(first / second);
    }
    std::sort(ratios.begin(), ratios.end());
    return ratios[ratios.size() / 2];
}

void PrintRatios() {
    const auto& t = Throughputs();
    const auto get = [&](const std::string& name) {
        for (const auto& [key, value] : t) {
            if (key.starts_with(name)) {
                return value;
            }
        }
        return 0.0;
    };
    const double unbound = get("BM_Zendal_Pages/0");
    const double bound = get("BM_Zendal_Pages/1");
    const double libxml2 = get("BM_Libxml2_Pages");
    if (unbound > 0) {
        const Corpus& corpus = RealPages();
        std::printf("\nCorpus: %zu pages (%.1f MB) looped to %.1f MB, fed in %zu-byte pieces\n",
                    corpus.distinctPages, corpus.distinctBytes / 1e6, corpus.bytes / 1e6, kChunk);
    }
    std::printf("%-44s %10s %10s\n", "", "MB/s", "ratio");
    std::printf("%-44s %10.1f %10s\n", "libxml2 HTML push parser, empty SAX", libxml2 / 1e6,
                "1.00");
    if (libxml2 > 0) {
        std::printf("%-44s %10.1f %10.2f  (goal >= 2)\n", "TXMLp, no handlers bound", unbound / 1e6,
                    unbound / libxml2);
        std::printf("%-44s %10.1f %10.2f  (goal >= 2)\n", "TXMLp, empty handlers bound",
                    bound / 1e6, bound / libxml2);
    }
    const char* names[] = {"1 MB of nested tags", "10 MB of \"<\"", "10 MB of \"&\"",
                           "10 MB unclosed comment"};
    // Paired measurements for the ratios; the benchmark runs above give the throughputs.
    const Corpus& corpus = RealPages();
    std::vector<std::string_view> slice;  // about 10 MB of the pages
    std::size_t sliceBytes = 0;
    for (const auto& page : corpus.pages) {
        if (sliceBytes >= (10u << 20)) {
            break;
        }
        slice.push_back(page);
        sliceBytes += page.size();
    }
    const auto pages = [&] {
        for (std::string_view page : slice) {
            zendal::TXMLp parser;
            TokeniseDocument(parser, page);
        }
    };
    htmlSAXHandler sax = EmptySaxHandler();
    if (sliceBytes > 0) {
        const double paired = PairedRatio(sliceBytes, pages, sliceBytes, [&] {
            for (std::string_view page : slice) {
                ParseWithLibxml2(sax, page);
            }
        });
        std::printf("%-44s %10s %10.2f  (paired rounds)\n", "TXMLp, no handlers bound", "", paired);
    }
    std::printf(
        "\nPathological inputs: TXMLp's throughput, its ratio to its throughput on the pages"
        "\n(from the runs above, and from paired rounds), and libxml2's throughput\n");
    std::printf("%-28s %10s %10s %10s %14s\n", "", "MB/s", "ratio", "paired", "libxml2 MB/s");
    for (int i = 0; i < 4; ++i) {
        const double value = get("BM_Zendal_Pathological/" + std::to_string(i));
        const double peer = get("BM_Libxml2_Pathological/" + std::to_string(i));
        const std::string& input = Pathological(i);
        const double paired = sliceBytes == 0 ? 0.0
                                              : PairedRatio(
                                                    input.size(),
                                                    [&] {
                                                        zendal::TXMLp parser;
                                                        TokeniseDocument(parser, input);
                                                    },
                                                    sliceBytes, pages);
        std::printf("%-28s %10.1f %10.2f %10.2f %14.1f  (goal: ratio >= 0.5)\n", names[i],
                    value / 1e6, unbound > 0 ? value / unbound : 0.0, paired, peer / 1e6);
    }
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    xmlInitParser();
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    PrintRatios();
    xmlCleanupParser();
    return 0;
}
