// Every HTML page of the machine's documentation goes through `zendal-cli read` and
// `zendal-cli update` with unchanged fields: nothing crashes or hangs, the bytes after the head
// stay as they were, and a second update gives the same text as the first.

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <iostream>
#include <map>
#include <mutex>
#include <optional>
#include <sstream>
#include <thread>

#include "head/HeadSection.h"
#include "support/MachinePages.h"
#include "support/TestSupport.h"

namespace zendal::test {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kBatchSize = 100;
constexpr unsigned kTimeLimitSeconds = 900;  // for one call over one batch

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

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

// A message line with the batch's file names and all numbers written generically, so that
// messages of one kind count together.
std::string MessageKind(std::string line, const std::string& folder) {
    for (std::size_t at = line.find(folder); at != std::string::npos; at = line.find(folder)) {
        std::size_t end = line.find(".html", at);
        end = end == std::string::npos ? line.size() : end + 5;
        line.replace(at, end - at, "FILE");
    }
    std::string kind;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (std::isdigit(static_cast<unsigned char>(line[i]))) {
            kind += 'N';
            while (i + 1 < line.size() && std::isdigit(static_cast<unsigned char>(line[i + 1]))) {
                ++i;
            }
        } else {
            kind += line[i];
        }
    }
    return kind;
}

std::size_t FilesWritten(const std::string& err) {
    const std::string prefix = "Successfully Wrote Tags To ";
    std::size_t written = 0;
    for (const std::string& line : Lines(err)) {
        if (line.starts_with(prefix)) {
            written += std::stoul(line.substr(prefix.size()));
        }
    }
    return written;
}

struct Tally {
    std::mutex mutex;
    std::size_t pagesRead = 0;
    std::size_t pagesUpdated = 0;
    std::size_t bodiesCompared = 0;
    std::map<std::string, std::size_t> messages;
    std::vector<std::string> faults;

    void Fault(const std::string& what) {
        std::lock_guard lock(mutex);
        faults.push_back(what);
    }
};

// A call that ended by a signal (a crash, or the time limit for a hang) or with a status other
// than 0 or 1 is a fault.
bool RanToTheEnd(const CliResult& result, const std::string& what, Tally& tally) {
    if (result.signal != 0 || (result.status != 0 && result.status != 1)) {
        tally.Fault(what + ": ended with status " + std::to_string(result.status) + ", signal " +
                    std::to_string(result.signal) + "\n" + result.err);
        return false;
    }
    return true;
}

void CheckBatch(const std::vector<fs::path>& pages, const std::string& home, Tally& tally) {
    TempDir dir;
    std::vector<std::string> originals;
    std::vector<std::string> files;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        originals.push_back(ReadFile(pages[i]));
        files.push_back(dir.Write("p" + std::to_string(i) + ".html", originals.back()).string());
    }
    const std::string batch = "batch from " + pages.front().string();
    std::vector<std::string> args = {"--home", home, "read"};
    args.insert(args.end(), files.begin(), files.end());
    const CliResult read = RunCli(args, "", kTimeLimitSeconds);
    if (!RanToTheEnd(read, "read, " + batch, tally)) {
        return;
    }
    const std::size_t objects = Lines(read.out).size();
    if (objects != pages.size()) {
        tally.Fault("read, " + batch + ": " + std::to_string(objects) + " objects for " +
                    std::to_string(pages.size()) + " pages");
    }

    args = {"--home", home, "update", "--no-backup", "--in-place"};
    args.insert(args.end(), files.begin(), files.end());
    const CliResult update = RunCli(args, "", kTimeLimitSeconds);
    if (!RanToTheEnd(update, "update, " + batch, tally)) {
        return;
    }
    std::vector<std::string> once;
    std::size_t compared = 0;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        once.push_back(ReadFile(files[i]));
        const auto before = AfterHead(originals[i]);
        const auto after = AfterHead(once.back());
        if (!before || !after || !OneLineBreakStyle(originals[i])) {
            continue;
        }
        // A missing final line break is added when the page is written.
        std::string expected = *before;
        if (once.back() != originals[i] && !expected.empty() && !expected.ends_with("\n") &&
            !expected.ends_with("\r")) {
            expected += originals[i].find("\r\n") != std::string::npos ? "\r\n" : "\n";
        }
        ++compared;
        if (*after != expected) {
            tally.Fault(pages[i].string() + ": the bytes after the head changed");
        }
    }

    const CliResult again = RunCli(args, "", kTimeLimitSeconds);
    if (RanToTheEnd(again, "second update, " + batch, tally)) {
        for (std::size_t i = 0; i < pages.size(); ++i) {
            if (ReadFile(files[i]) != once[i]) {
                tally.Fault(pages[i].string() + ": a second update changed the page again");
            }
        }
    }

    std::lock_guard lock(tally.mutex);
    tally.pagesRead += objects;
    tally.pagesUpdated += FilesWritten(update.err);
    tally.bodiesCompared += compared;
    for (const std::string& line : Lines(read.err + update.err)) {
        ++tally.messages[MessageKind(line, dir.Path().string())];
    }
}

TEST(RealPages, ReadAndUpdateKeepTheBodyAndASecondUpdateChangesNothing) {
    const std::vector<fs::path> found = MachinePages();
    if (found.empty()) {
        GTEST_SKIP() << "no HTML pages on this machine";
    }
    const std::vector<fs::path> pages = PagesToCheck(found);
    Tally tally;
    std::atomic<std::size_t> next = 0;
    auto worker = [&] {
        TempDir home;
        for (std::size_t first = next.fetch_add(kBatchSize); first < pages.size();
             first = next.fetch_add(kBatchSize)) {
            const std::size_t end = std::min(pages.size(), first + kBatchSize);
            CheckBatch({pages.begin() + first, pages.begin() + end}, home.Path().string(), tally);
        }
    };
    std::thread helper(worker);
    worker();
    helper.join();

    std::cout << "pages found: " << found.size() << ", checked: " << pages.size() << "\n"
              << "pages read: " << tally.pagesRead << "\n"
              << "pages updated: " << tally.pagesUpdated << "\n"
              << "pages whose bytes after the head were compared: " << tally.bodiesCompared
              << "\nmessages by kind:\n";
    for (const auto& [kind, count] : tally.messages) {
        std::cout << "  " << count << "  " << kind << "\n";
    }
    EXPECT_EQ(tally.pagesRead, pages.size());
    ExpectNoFaults(tally.faults);
}

}  // namespace
}  // namespace zendal::test
