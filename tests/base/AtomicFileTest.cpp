#include "base/AtomicFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>

#include "support/TestSupport.h"

using zendal::AtomicFile;
using zendal::test::ReadFile;
using zendal::test::TempDir;

namespace fs = std::filesystem;

namespace {

TEST(AtomicFile, WritesThePiecesInTurnAndLeavesNothingBehindWhenTheyFail) {
    TempDir dir;
    const fs::path page = dir.Write("page.html", "old\n");
    AtomicFile::Write(page.string(), [](const AtomicFile::Sink& sink) {
        sink("one\n");
        sink("");
        sink("two\n");
    });
    EXPECT_EQ(ReadFile(page), "one\ntwo\n");

    EXPECT_THROW(AtomicFile::Write(page.string(),
                                   [](const AtomicFile::Sink& sink) {
                                       sink("half");
                                       throw std::runtime_error("no more");
                                   }),
                 std::runtime_error);
    EXPECT_EQ(ReadFile(page), "one\ntwo\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 1);
}

}  // namespace
