// `zendal-cli update PAGE -o OUT` on pages of 1 MB and 10 MB (with a 20 KB head) and with heads
// of 10 KB and 100 KB, run as the program runs it: the session over a home folder, the file host
// loading the page, the full read, the tag generation, the Update command and the save through a
// temporary file. Beside it a plain read and write of the same file, and the same with the
// temporary file, its fsync and the rename that a save which never leaves a half-written page
// costs at the least; the fsync waits for the disk, so the ratios are given in CPU time too.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "RatioReporter.h"
#include "cli/CliContext.h"
#include "cli/Commands.h"

namespace {

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

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    std::string bytes(static_cast<std::size_t>(in.tellg()), '\0');
    in.seekg(0);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return bytes;
}

void PlainReadWrite(benchmark::State& state, std::size_t headSize, std::size_t pageSize) {
    const std::string path = PagePath(headSize, pageSize);
    const std::string out = path + ".out";
    for (auto _ : state) {
        std::ofstream(out, std::ios::binary) << ReadAll(path);
    }
    std::filesystem::remove(out);
}

void DurableReadWrite(benchmark::State& state, std::size_t headSize, std::size_t pageSize) {
    const std::string path = PagePath(headSize, pageSize);
    const std::string out = path + ".out";
    const std::string temporary = path + ".tmp";
    for (auto _ : state) {
        const std::string bytes = ReadAll(path);
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const bool ok =
            fd >= 0 &&
            ::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size()) &&
            ::fsync(fd) == 0;
        if (fd < 0 || ::close(fd) != 0 || !ok || std::rename(temporary.c_str(), out.c_str()) != 0) {
            state.SkipWithError("the write failed");
            break;
        }
    }
    std::filesystem::remove(out);
}

void Update(benchmark::State& state, std::size_t headSize, std::size_t pageSize) {
    const std::string path = PagePath(headSize, pageSize);
    const std::string out = path + ".out";
    const std::string home = path + ".home";
    for (auto _ : state) {
        std::ostringstream output;
        std::ostringstream errors;
        std::istringstream input;
        zendal::cli::CliContext context({path, "--title", "New title", "--keywords",
                                         "some, key, words", "--no-backup", "-o", out},
                                        home, output, input, errors);
        if (zendal::cli::RunUpdate(context) != 0) {
            state.SkipWithError(("the update failed: " + errors.str()).c_str());
            break;
        }
    }
    std::filesystem::remove(out);
    std::filesystem::remove_all(home);
}

}  // namespace

int main(int argc, char** argv) {
    constexpr std::size_t KB = 1024;
    constexpr std::size_t MB = 1024 * KB;
    benchmark::RegisterBenchmark("PlainReadWrite/10MB", PlainReadWrite, 20 * KB, 10 * MB)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("DurableReadWrite/10MB", DurableReadWrite, 20 * KB, 10 * MB)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("PlainReadWrite/1MB", PlainReadWrite, 20 * KB, 1 * MB)
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
    for (bool cpu : {false, true}) {
        reporter.PrintRatio("update against plain read and write", "Update/10MB",
                            "PlainReadWrite/10MB", cpu);
        reporter.PrintRatio("update against durable read and write", "Update/10MB",
                            "DurableReadWrite/10MB", cpu);
        reporter.PrintRatio("update 1MB against plain read and write", "Update/1MB",
                            "PlainReadWrite/1MB", cpu);
        reporter.PrintRatio("body 10x", "Update/10MB", "Update/1MB", cpu);
        reporter.PrintRatio("head 10x", "Update/head100KB", "Update/head10KB", cpu);
    }
    benchmark::Shutdown();
    for (const auto& [sizes, path] : PagePaths()) {
        std::filesystem::remove(path);
        std::filesystem::remove_all(path + ".home");
    }
    return 0;
}
