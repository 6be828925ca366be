#include "support/MachinePages.h"

#include <glob.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

namespace zendal::test {

namespace fs = std::filesystem;

namespace {

// Documentation folders; a "*" stands for any one folder (a toolchain version, a JDK).
std::vector<std::string> FolderPatterns() {
    std::vector<std::string> patterns = {
        "/usr/share/doc",      "/usr/local/share/doc",
        "/usr/share/gtk-doc",  "/usr/share/devhelp",
        "/usr/lib/jvm/*/docs", "/usr/local/go/doc",
        "/usr/lib/go-*/doc",   "/usr/lib/node_modules/npm/docs",
        "/usr/local/cuda/doc",
    };
    const char* home = std::getenv("HOME");
    const char* rustup = std::getenv("RUSTUP_HOME");
    if (rustup != nullptr && *rustup != '\0') {
        patterns.push_back(std::string(rustup) + "/toolchains/*/share/doc");
    } else if (home != nullptr && *home != '\0') {
        patterns.push_back(std::string(home) + "/.rustup/toolchains/*/share/doc");
    }
    return patterns;
}

std::vector<fs::path> Expand(const std::string& pattern) {
    std::vector<fs::path> folders;
    glob_t found{};
    if (glob(pattern.c_str(), GLOB_ONLYDIR, nullptr, &found) == 0) {
        for (std::size_t i = 0; i < found.gl_pathc; ++i) {
            folders.emplace_back(found.gl_pathv[i]);
        }
    }
    globfree(&found);
    return folders;
}

bool IsHtmlName(const fs::path& path) {
    const std::string extension = path.extension().string();
    return extension == ".html" || extension == ".htm" || extension == ".xhtml";
}

}  // namespace

std::vector<fs::path> MachinePages() {
    std::vector<fs::path> pages;
    for (const std::string& pattern : FolderPatterns()) {
        for (const fs::path& folder : Expand(pattern)) {
            std::error_code error;
            fs::recursive_directory_iterator it(
                folder, fs::directory_options::skip_permission_denied, error);
            for (; !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
                std::error_code ignored;
                if (IsHtmlName(it->path()) && it->is_regular_file(ignored)) {
                    pages.push_back(it->path());
                }
            }
        }
    }
    std::sort(pages.begin(), pages.end());
    pages.erase(std::unique(pages.begin(), pages.end()), pages.end());
    return pages;
}

std::vector<fs::path> SpreadSample(const std::vector<fs::path>& pages, std::size_t count) {
    if (pages.size() <= count) {
        return pages;
    }
    std::vector<fs::path> sample;
    for (std::size_t i = 0; i < count; ++i) {
        sample.push_back(pages[i * pages.size() / count]);
    }
    return sample;
}

std::vector<fs::path> PagesToCheck(const std::vector<fs::path>& pages) {
#ifdef ZENDAL_SANITIZED_BUILD
    return SpreadSample(pages, 1500);
#else
    return pages;
#endif
}

void ExpectNoFaults(const std::vector<std::string>& faults) {
    for (std::size_t i = 0; i < std::min<std::size_t>(faults.size(), 20); ++i) {
        ADD_FAILURE() << faults[i];
    }
    EXPECT_TRUE(faults.empty()) << faults.size() << " faults";
}

}  // namespace zendal::test
