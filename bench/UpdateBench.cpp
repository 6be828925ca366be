// The Update command on pages of 1 MB and 10 MB (with a 20 KB head) and with heads of 10 KB and
// 100 KB, as zendal-cli runs it: the file host loads the page, the tags are generated and
// written, and the new text is saved. Beside it a plain read and write of the same file.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "RatioReporter.h"
#include "SilentPorts.h"
#include "app/FileHost.h"
#include "app/Wizard.h"
#include "update/TagGeneration.h"
#include "update/UpdateCommand.h"

namespace {

using namespace zendal;

std::string Page(std::size_t headSize, std::size_t pageSize) {
    std::string page = "<!DOCTYPE html>\n<html><head>\n<title>Bench</title>\n";
    for (int n = 0; page.size() < headSize; ++n) {
        const std::string i = std::to_string(n);
        page += "<meta name=\"x" + i + "\" content=\"value " + i + "\"><link rel=\"a\" href=\"/" +
                i + "\">\n<script>\nvar v" + i + " = 1;\n</script>\n";
    }
    page += "</head>\n<body>\n";
    while (page.size() < pageSize) {
        page += "<p>Body text that the update carries over unchanged, line after line.</p>\n";
    }
    return page + "</body></html>\n";
}

std::map<std::pair<std::size_t, std::size_t>, std::string>& PagePaths() {
    static std::map<std::pair<std::size_t, std::size_t>, std::string> paths;
    return paths;
}

std::string PagePath(std::size_t headSize, std::size_t pageSize) {
    std::string& path = PagePaths()[{headSize, pageSize}];
    if (path.empty()) {
        path = (std::filesystem::temp_directory_path() /
                ("zendal-update-bench-" + std::to_string(getpid()) + "-" +
                 std::to_string(headSize) + "-" + std::to_string(pageSize) + ".html"))
                   .string();
        std::ofstream(path, std::ios::binary) << Page(headSize, pageSize);
    }
    return path;
}

void PlainReadWrite(benchmark::State& state, std::size_t headSize, std::size_t pageSize) {
    const std::string path = PagePath(headSize, pageSize);
    const std::string out = path + ".out";
    for (auto _ : state) {
        std::ifstream in(path, std::ios::binary | std::ios::ate);
        std::string bytes(static_cast<std::size_t>(in.tellg()), '\0');
        in.seekg(0);
        in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        std::ofstream(out, std::ios::binary) << bytes;
    }
    std::filesystem::remove(out);
}

void Update(benchmark::State& state, std::size_t headSize, std::size_t pageSize) {
    const std::string path = PagePath(headSize, pageSize);
    const std::string out = path + ".out";
    NullMessages messages;
    NullStatus status;
    for (auto _ : state) {
        Wizard wizard(messages, status);
        FileHost host(path);
        wizard.host = &host;
        wizard.activeDocument = path;
        wizard.fileList = {path};
        wizard.fields.CheckBox2 = false;
        wizard.fields.Titlebox = "New title";
        wizard.fields.edit22 = "some, key, words";
        TagGeneration tags(wizard);
        tags.TabSheet5Enter();
        UpdateCommand update(wizard, tags);
        update.Button34Click();
        if (update.WrittenCount() != 1) {
            state.SkipWithError("the update failed");
            break;
        }
        host.SaveTo(out);
    }
    std::filesystem::remove(out);
}

}  // namespace

int main(int argc, char** argv) {
    constexpr std::size_t KB = 1024;
    constexpr std::size_t MB = 1024 * KB;
    benchmark::RegisterBenchmark("PlainReadWrite/10MB", PlainReadWrite, 20 * KB, 10 * MB)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Update/10MB", Update, 20 * KB, 10 * MB)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Update/1MB", Update, 20 * KB, 1 * MB)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Update/head10KB", Update, 10 * KB, 200 * KB)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Update/head100KB", Update, 100 * KB, 200 * KB)
        ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatio("update against plain read and write", "Update/10MB",
                        "PlainReadWrite/10MB");
    reporter.PrintRatio("body 10x", "Update/10MB", "Update/1MB");
    reporter.PrintRatio("head 10x", "Update/head100KB", "Update/head10KB");
    benchmark::Shutdown();
    for (const auto& [sizes, path] : PagePaths()) {
        std::filesystem::remove(path);
    }
    return 0;
}
