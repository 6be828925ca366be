// The meta tag analysis on a 1 MB body with a body check count of 1,000,000 and 50 key words,
// against reading the same page from disk.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "RatioReporter.h"
#include "SilentPorts.h"
#include "analysis/MetaTagAnalysis.h"
#include "base/Host.h"

namespace {

class PageHost : public zendal::Host {
  public:
    std::string text;
    std::string FILENAME() override { return "/bench/page.html"; }
    const std::string& Text() override { return text; }
    void beginupdate() override {}
    void SelectAll() override {}
    void InsertText(std::string t, bool) override { text = std::move(t); }
    void endupdate() override {}
    void AddAppToolbutton(const std::string&, const std::string&, const std::string&,
                          const std::string&) override {}
};

const std::filesystem::path& PagePath() {
    static const std::filesystem::path path = [] {
        std::filesystem::path p =
            std::filesystem::temp_directory_path() / "zendal-analysis-bench.html";
        std::string body;
        const char* words[] = {"meta",       "tags",   "<a href=\"x.html\">link</a>", "page",
                               "search",     "engine", "<img alt=logo width=10>",     "words",
                               "description"};
        for (std::size_t i = 0; body.size() < (1u << 20); ++i) {
            body += words[i % 9];
            body += (i % 17 == 0) ? "\r\n" : " ";
        }
        std::ofstream(p, std::ios::binary)
            << "<html><head><title>Bench</title></head><body>" << body << "</body></html>\r\n";
        return p;
    }();
    return path;
}

std::string ReadPage() {
    std::ifstream in(PagePath(), std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void ReadFile(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(ReadPage());
    }
}

void Analyse(benchmark::State& state) {
    NullMessages messages;
    NullStatus status;
    PageHost host;
    zendal::Wizard wizard(messages, status);
    wizard.host = &host;
    wizard.ruleBase = {"6", "1000000", "1000", "200"};
    std::string keywords;
    for (int i = 0; i < 50; ++i) {
        keywords += (i % 5 == 0 ? "meta" : "word" + std::to_string(i)) + std::string(", ");
    }
    wizard.fields.edit22 = keywords;
    zendal::MetaTagAnalysis analysis(wizard);
    for (auto _ : state) {
        host.text = ReadPage();
        analysis.SpeedButton1Click();
        benchmark::DoNotOptimize(analysis.SubmitReady().size());
    }
}

BENCHMARK(ReadFile)->Unit(benchmark::kMillisecond);
BENCHMARK(Analyse)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatio(
        "analysis of a 1 MB body (check count 1,000,000, 50 key words) vs reading it", "Analyse",
        "ReadFile");
    std::filesystem::remove(PagePath());
    benchmark::Shutdown();
}
