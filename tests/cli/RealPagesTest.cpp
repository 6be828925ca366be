#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "head/HeadSection.h"
#include "support/TestSupport.h"

namespace zendal::test {
namespace {

namespace fs = std::filesystem;

// Up to limit HTML pages of the machine's documentation, in path order.
std::vector<fs::path> MachinePages(std::size_t limit) {
    std::vector<fs::path> pages;
    std::error_code error;
    fs::recursive_directory_iterator it("/usr/share/doc",
                                        fs::directory_options::skip_permission_denied, error);
    for (; !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
        std::error_code ignored;
        if (it->path().extension() == ".html" && it->is_regular_file(ignored)) {
            pages.push_back(it->path());
        }
    }
    std::sort(pages.begin(), pages.end());
    pages.resize(std::min(pages.size(), limit));
    return pages;
}

// The bytes after the head section, or nothing when the page has none.
std::optional<std::string> AfterHead(const std::string& bytes) {
    try {
        return bytes.substr(HeadSection::Length(bytes, ""));
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

bool OneLineBreakStyle(const std::string& bytes) {
    const bool lf = bytes.find('\n') != std::string::npos;
    const bool cr = bytes.find('\r') != std::string::npos;
    if (!lf || !cr) {
        return true;
    }
    std::size_t crs = std::count(bytes.begin(), bytes.end(), '\r');
    std::size_t crlfs = 0;
    for (std::size_t at = bytes.find("\r\n"); at != std::string::npos;
         at = bytes.find("\r\n", at + 2)) {
        ++crlfs;
    }
    return crs == crlfs &&
           crlfs == static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n'));
}

TEST(UpdateRealPages, UnchangedFieldsKeepTheBodyAndASecondRunChangesNothing) {
    const std::vector<fs::path> pages = MachinePages(300);
    if (pages.empty()) {
        GTEST_SKIP() << "no HTML pages on this machine";
    }
    TempDir dir;
    std::vector<std::string> args = {"--home", dir.Path().string(), "update", "--no-backup",
                                     "--in-place"};
    std::vector<std::string> originals;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        originals.push_back(ReadFile(pages[i]));
        args.push_back(dir.Write("p" + std::to_string(i) + ".html", originals.back()).string());
    }
    RunCli(args);
    std::vector<std::string> once;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        SCOPED_TRACE(pages[i].string());
        once.push_back(ReadFile(args[5 + i]));
        const auto before = AfterHead(originals[i]);
        const auto after = AfterHead(once.back());
        if (!before || !after || !OneLineBreakStyle(originals[i])) {
            continue;
        }
        std::string expected = *before;
        if (once.back() != originals[i] && !expected.empty() && !expected.ends_with("\n") &&
            !expected.ends_with("\r")) {
            expected += originals[i].find("\r\n") != std::string::npos ? "\r\n" : "\n";
        }
        EXPECT_EQ(*after, expected);
    }
    RunCli(args);
    for (std::size_t i = 0; i < pages.size(); ++i) {
        EXPECT_EQ(ReadFile(args[5 + i]), once[i]) << pages[i];
    }
}

}  // namespace
}  // namespace zendal::test
