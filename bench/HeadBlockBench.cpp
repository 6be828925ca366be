// Normalisation of heads of 10 KB, 100 KB and 1 MB, and the full read of a 10 MB page (from the
// host's text, and with the file host's loading in front of it) beside a plain read of the same
// file. Prints the ratios at the end.
#include <benchmark/benchmark.h>

#include <unistd.h>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

#include "base/FileHost.h"
#include "base/Wizard.h"
#include "head/HeadBlock.h"
#include "head/ReadCommands.h"

namespace {

using namespace zendal;

class SilentMessages : public MessagePort {
  public:
    void Show(Box, Outcome, const std::string& text) override { last = text; }
    bool AskYesNo(const std::string&) override { return true; }
    std::string last;
};

class SilentStatus : public StatusPort {
  public:
    void SetPanelText(Panel, const std::string&) override {}
    std::string PanelText(Panel) const override { return {}; }
    void ProcessMessages() override {}
    void SetBusyCursor(bool) override {}
};

// About a kilobyte of what generated pages put into their heads: several tags on one line,
// scripts and styles over several lines, JSON-LD, split tags.
std::string HeadPiece(int n) {
    const std::string i = std::to_string(n);
    return "<meta name=\"x" + i + "\" content=\"value " + i + "\"><link rel=\"preload\" href=\"/a" +
           i + ".js\"><script src=\"/s" + i + ".js\"></script><meta property=\"og:" + i +
           "\" content=\"o\">\n"
           "<script type=\"application/ld+json\">\n{\"@context\": \"https://schema.org\", "
           "\"name\": \"item " +
           i +
           "\", \"tags\": [\"a\", \"b\"]}\n</script>\n"
           "<style>\n.c" +
           i + " { color: red; margin: 0 auto; }\n.d" + i +
           " > p { padding: 1em; }\n</style>\n"
           "<meta name=\"split" +
           i +
           "\"\n   content = \"a = b\">\n"
           "<link  rel=\"alternate\"   href = \"/alt" +
           i +
           ".html\" >   <meta  name=\"y\" "
           "content=\"z\">\n"
           "<script>\nvar v" +
           i + " = '<style>';\nfunction f" + i + "() { return v" + i + "; }\n</script>\n";
}

std::string Head(std::size_t size) {
    std::string head =
        "<!DOCTYPE html>\n<html lang=\"en\"><head><meta charset=\"utf-8\">"
        "<title>Benchmark page</title>\n";
    for (int n = 0; head.size() < size; ++n) {
        head += HeadPiece(n);
    }
    return head + "</head>";
}

std::string Page(std::size_t headSize, std::size_t pageSize) {
    std::string page = Head(headSize) + "\n<body>\n";
    const std::string paragraph =
        "<p>Zendal composes the title and meta tags of HTML pages; this paragraph is body "
        "text that the read never needs.</p>\n";
    while (page.size() < pageSize) {
        page += paragraph;
    }
    return page + "</body></html>\n";
}

void Normalise(benchmark::State& state, std::size_t size) {
    const std::string head = Head(size);
    SilentMessages messages;
    SilentStatus status;
    Wizard wizard(messages, status);
    wizard.activeDocument = "/bench/page.html";
    wizard.fileList = {wizard.activeDocument};
    for (auto _ : state) {
        wizard.htmlrichedit.SetText(head);
        HeadBlock(wizard.htmlrichedit, wizard.status, wizard.activeDocument).SetUpMetaLines();
        benchmark::DoNotOptimize(wizard.htmlrichedit.WholeText().data());
    }
    if (!messages.last.empty()) {
        state.SkipWithError(messages.last.c_str());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(head.size()));
}

std::string PagePath() {
    static const std::string path = [] {
        std::string file = (std::filesystem::temp_directory_path() /
                            ("zendal-bench-" + std::to_string(getpid()) + ".html"))
                               .string();
        std::ofstream(file, std::ios::binary) << Page(20 * 1024, 10 * 1024 * 1024);
        return file;
    }();
    return path;
}

void PlainRead(benchmark::State& state) {
    const std::string path = PagePath();
    for (auto _ : state) {
        std::ifstream in(path, std::ios::binary | std::ios::ate);
        std::string bytes(static_cast<std::size_t>(in.tellg()), '\0');
        in.seekg(0);
        in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        benchmark::DoNotOptimize(bytes.data());
    }
}

// The host editor holds the page: the read takes its text from there.
class MemoryHost : public Host {
  public:
    explicit MemoryHost(std::string path, std::string text)
        : path_(std::move(path)), text_(std::move(text)) {}
    std::string FILENAME() override { return path_; }
    const std::string& Text() override { return text_; }
    void beginupdate() override {}
    void SelectAll() override {}
    void InsertText(std::string text, bool) override { text_ = std::move(text); }
    void endupdate() override {}
    void AddAppToolbutton(const std::string&, const std::string&, const std::string&,
                          const std::string&) override {}

  private:
    std::string path_;
    std::string text_;
};

void Read(benchmark::State& state, Host& host, Wizard& wizard, SilentMessages& messages) {
    wizard.host = &host;
    wizard.activeDocument = host.FILENAME();
    wizard.fileList = {wizard.activeDocument};
    if (!ReadCommands(wizard).xread()) {
        state.SkipWithError(messages.last.c_str());
    }
    benchmark::DoNotOptimize(wizard.fields.Titlebox.data());
}

// xread of the host's active document.
void FullRead(benchmark::State& state) {
    SilentMessages messages;
    SilentStatus status;
    std::ifstream in(PagePath(), std::ios::binary);
    MemoryHost host(PagePath(), std::string((std::istreambuf_iterator<char>(in)),
                                            std::istreambuf_iterator<char>()));
    for (auto _ : state) {
        Wizard wizard(messages, status);
        Read(state, host, wizard, messages);
    }
}

// zendal-cli's way: the file host loads and decodes the file, then xread.
void OpenAndRead(benchmark::State& state) {
    SilentMessages messages;
    SilentStatus status;
    for (auto _ : state) {
        Wizard wizard(messages, status);
        FileHost host(PagePath());
        Read(state, host, wizard, messages);
    }
}

// Keeps each run's CPU time to print the ratios (steadier than wall time on a shared machine).
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            times[run.benchmark_name()] = run.GetAdjustedCPUTime();
        }
    }
    std::map<std::string, double> times;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::RegisterBenchmark("Normalise/10KB", Normalise, 10 * 1024)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Normalise/100KB", Normalise, 100 * 1024)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Normalise/1MB", Normalise, 1024 * 1024)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("PlainRead/10MB", PlainRead)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("FullRead/10MB", FullRead)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("OpenAndRead/10MB", OpenAndRead)->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::filesystem::remove(PagePath());
    auto ratio = [&](const char* a, const char* b) {
        if (reporter.times.count(a) && reporter.times.count(b) && reporter.times[b] > 0) {
            std::printf("%-34s %6.2f\n", (std::string(a) + " / " + b).c_str(),
                        reporter.times[a] / reporter.times[b]);
        }
    };
    ratio("Normalise/100KB", "Normalise/10KB");
    ratio("Normalise/1MB", "Normalise/100KB");
    ratio("FullRead/10MB", "PlainRead/10MB");
    ratio("OpenAndRead/10MB", "PlainRead/10MB");
    benchmark::Shutdown();
    return 0;
}
