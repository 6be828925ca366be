#include "base/DocumentFile.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "base/EDocumentTooLarge.h"
#include "base/EFileOpen.h"
#include "base/EHostFailure.h"
#include "base/FileHost.h"
#include "base/WholeFile.h"
#include "support/TestSupport.h"

using zendal::DocumentFile;
using zendal::test::TempDir;

namespace fs = std::filesystem;

namespace {

std::string TooLargeMessage(const fs::path& path, const std::string& size) {
    return "The file " + path.string() + " is too large to open: it is " + size +
           ", and Zendal opens documents of up to 256 MB.";
}

TEST(DocumentFile, ReadsTheBytesOrSaysWhyNot) {
    TempDir dir;
    const fs::path page = dir.Write("page.html", std::string("a\0b\r\n\xff", 6));
    EXPECT_EQ(DocumentFile::Read(page.string()), std::string("a\0b\r\n\xff", 6));
    for (const fs::path& unreadable : {dir.Path() / "missing.html", dir.Path()}) {
        try {
            DocumentFile::Read(unreadable.string());
            ADD_FAILURE() << unreadable << " was read";
        } catch (const zendal::EFileOpen& e) {
            EXPECT_EQ(e.Message(), "Cannot open file " + unreadable.string());
        }
    }
}

// Sparse files: the size is checked before anything is read.
TEST(DocumentFile, RefusesADocumentLargerThan256MegabytesNamingItsSize) {
    TempDir dir;
    const fs::path atLimit = dir.Write("limit.html", "");
    fs::resize_file(atLimit, DocumentFile::kMostBytes);
    EXPECT_EQ(DocumentFile::Read(atLimit.string()).size(), DocumentFile::kMostBytes);

    struct Case {
        std::uintmax_t size;
        std::string shown;
    };
    for (const Case& c : {Case{DocumentFile::kMostBytes + 1, "256.0 MB (268435457 bytes)"},
                          Case{std::uintmax_t{3} << 40, "3145728.0 MB (3298534883328 bytes)"}}) {
        const fs::path big = dir.Write("big.html", "");
        fs::resize_file(big, c.size);
        try {
            DocumentFile::Read(big.string());
            ADD_FAILURE() << c.size << " bytes were read";
        } catch (const zendal::EDocumentTooLarge& e) {
            EXPECT_EQ(e.Message(), TooLargeMessage(big, c.shown));
        }

        zendal::FileHost host(big.string());
        EXPECT_FALSE(host.Loaded());
        EXPECT_TRUE(host.TooLarge());
        EXPECT_EQ(host.LoadFailure(), TooLargeMessage(big, c.shown));
        EXPECT_THROW(host.Text(), zendal::EHostFailure);
    }
}

// A file whose size is not known beforehand is read to the limit and no further.
TEST(WholeFile, AFileOfUnknownSizeIsRefusedOncePastTheLimit) {
    std::uintmax_t size = 0;
    EXPECT_FALSE(zendal::WholeFile::ReadAtMost("/proc/self/status", 10, size));
    EXPECT_GT(size, 10u);
    const std::optional<std::string> whole =
        zendal::WholeFile::ReadAtMost("/proc/self/status", 1 << 20, size);
    ASSERT_TRUE(whole);
    EXPECT_EQ(size, whole->size());
    EXPECT_FALSE(zendal::WholeFile::TryRead("/proc/self"));
}

}  // namespace
