#include "spell/TDCTFile.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "base/EFileOpen.h"
#include "spell/EDictionaryCorrupt.h"
#include "spell/EDictionaryNotFound.h"

namespace zendal {

namespace {

constexpr char kNotice[] = "Zendal word graph spelling dictionary v1.0.";
static_assert(sizeof(kNotice) - 1 == 43, "the notice is 43 characters, padded to 50");

std::uint32_t LittleEndian32(const unsigned char* bytes) {
    return std::uint32_t(bytes[0]) | std::uint32_t(bytes[1]) << 8 | std::uint32_t(bytes[2]) << 16 |
           std::uint32_t(bytes[3]) << 24;
}

// Reads up to size bytes at offset; returns how many were read. Throws on a read error.
std::size_t ReadAt(int fd, const std::string& path, void* buffer, std::size_t size,
                   std::uint64_t offset) {
    std::size_t done = 0;
    while (done < size) {
        ssize_t got = pread(fd, static_cast<char*>(buffer) + done, size - done,
                            static_cast<off_t>(offset + done));
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw EFileOpen(path);
        }
        if (got == 0) {
            break;
        }
        done += static_cast<std::size_t>(got);
    }
    return done;
}

}  // namespace

const std::array<char, TDCTFile::kIdentificationSize>& TDCTFile::Identification() {
    static const std::array<char, kIdentificationSize> text = [] {
        std::array<char, kIdentificationSize> bytes{};
        std::memcpy(bytes.data(), kNotice, sizeof(kNotice) - 1);
        return bytes;
    }();
    return text;
}

TDCTFile::TDCTFile(const std::string& path) : path_(path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        throw EDictionaryNotFound(path);
    }
    fd_ = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0) {
        throw EFileOpen(path);
    }
    try {
        struct stat info {};
        if (fstat(fd_, &info) != 0) {
            throw EFileOpen(path);
        }
        fileSize_ = static_cast<std::uint64_t>(info.st_size);
        if (ReadAt(fd_, path_, header_.data(), kHeaderSize, 0) < kHeaderSize ||
            !std::equal(Identification().begin(), Identification().end(), header_.begin())) {
            throw EDictionaryCorrupt();
        }
        // A file without a root list, or with more nodes than a block number can reach.
        std::uint64_t nodes = (fileSize_ - kHeaderSize) / 4;
        if (nodes == 0 || nodes > kMaxNodes) {
            throw EDictionaryCorrupt();
        }
        nodeCount_ = static_cast<std::uint32_t>(nodes);
        FindRankingSection();
        // Nodes are read in place from a read-only mapping, so that the system's file cache
        // serves them without a system call or a copy; without a mapping, block by block.
        void* mapping = mmap(nullptr, fileSize_, PROT_READ, MAP_SHARED, fd_, 0);
        if (mapping != MAP_FAILED) {
            mapping_ = static_cast<const unsigned char*>(mapping);
        }
        LoadBlock(0);
    } catch (...) {
        Unmap();
        close(fd_);
        throw;
    }
}

TDCTFile::~TDCTFile() {
    Unmap();
    if (fd_ >= 0) {
        close(fd_);
    }
}

void TDCTFile::Unmap() {
    if (mapping_ != nullptr) {
        munmap(const_cast<unsigned char*>(mapping_), fileSize_);
        mapping_ = nullptr;
    }
}

void TDCTFile::LoadBlock(std::int16_t block) const {
    std::uint64_t offset = kHeaderSize + std::uint64_t(kBlockSize) * std::uint64_t(block);
    std::size_t wanted =
        static_cast<std::size_t>(std::min<std::uint64_t>(kBlockSize, fileSize_ - offset));
    cachedBlock_ = -1;
    if (mapping_ != nullptr) {
        std::memcpy(block_.data(), mapping_ + offset, wanted);
    } else if (ReadAt(fd_, path_, block_.data(), wanted, offset) < wanted) {
        // The file shrank under us.
        throw EDictionaryCorrupt();
    }
    cachedBlock_ = block;
}

std::uint32_t TDCTFile::ReadNode(std::uint32_t k) const {
    if (k < 1 || k > nodeCount_) {
        throw EDictionaryCorrupt();
    }
    if (mapping_ != nullptr) {
        // The system's file cache holds the blocks: read in place, without a copy.
        return LittleEndian32(mapping_ + kHeaderSize + 4 * std::uint64_t(k - 1));
    }
    auto block = static_cast<std::int16_t>((k - 1) / kNodesPerBlock);
    if (block != cachedBlock_) {
        LoadBlock(block);
    }
    return LittleEndian32(block_.data() + 4 * ((k - 1) % kNodesPerBlock));
}

std::uint32_t TDCTFile::FindSibling(std::uint32_t first, char letter) const {
    for (std::uint32_t a = first, seen = 1;; ++a, ++seen) {
        if (seen > kMaxSiblings) {
            throw EDictionaryCorrupt();
        }
        std::uint32_t node = ReadNode(a);
        if (Letter(node) == letter) {
            return a;
        }
        if (IsLastSibling(node)) {
            return 0;
        }
    }
}

bool TDCTFile::FindWord(const std::string& word) const {
    if (word.empty()) {
        return false;
    }
    std::uint32_t list = 1;
    for (std::size_t i = 0;; ++i) {
        std::uint32_t found = FindSibling(list, word[i]);
        if (found == 0) {
            return false;
        }
        std::uint32_t node = ReadNode(found);
        if (i + 1 == word.size()) {
            return IsEndOfWord(node);
        }
        list = Child(node);
        if (list == 0) {
            return false;
        }
    }
}

void TDCTFile::FindRankingSection() {
    const auto* header = reinterpret_cast<const unsigned char*>(header_.data());
    if (!std::equal(kRankingTag, kRankingTag + 4, header_.begin() + kRankingTagOffset)) {
        return;
    }
    std::uint64_t nodes = LittleEndian32(header + kRankingTagOffset + 4);
    std::uint64_t words = LittleEndian32(header + kRankingTagOffset + 8);
    if (nodes == 0 || nodes > kMaxNodes || words == 0 ||
        kHeaderSize + 8 * nodes + words != fileSize_) {
        return;
    }
    nodeCount_ = static_cast<std::uint32_t>(nodes);
    wordCount_ = static_cast<std::uint32_t>(words);
    rankingOffset_ = kHeaderSize + 4 * nodes;
}

void TDCTFile::ReadBytes(std::uint64_t offset, void* buffer, std::size_t size) const {
    if (mapping_ != nullptr) {
        std::memcpy(buffer, mapping_ + offset, size);
    } else if (ReadAt(fd_, path_, buffer, size, offset) < size) {
        throw EDictionaryCorrupt();
    }
}

std::uint32_t TDCTFile::WordsBefore(std::uint32_t k) const {
    if (wordCount_ == 0 || k < 1 || k > nodeCount_) {
        return 0;
    }
    unsigned char bytes[4];
    ReadBytes(rankingOffset_ + 4 * std::uint64_t(k - 1), bytes, 4);
    return LittleEndian32(bytes);
}

std::uint8_t TDCTFile::FrequencyBand(std::uint32_t wordNumber) const {
    if (wordNumber >= wordCount_) {
        return 0;
    }
    std::uint8_t band = 0;
    ReadBytes(rankingOffset_ + 4 * std::uint64_t(nodeCount_) + wordNumber, &band, 1);
    return band;
}

std::uint8_t TDCTFile::FrequencyOf(const std::string& word) const {
    if (word.empty() || wordCount_ == 0) {
        return 0;
    }
    // The word's number: the words of the earlier siblings on its path, and the shorter words
    // that its path passes.
    std::uint64_t number = 0;
    std::uint32_t list = 1;
    for (std::size_t i = 0;; ++i) {
        std::uint32_t found = FindSibling(list, word[i]);
        if (found == 0) {
            return 0;
        }
        std::uint32_t node = ReadNode(found);
        number += WordsBefore(found);
        if (i + 1 == word.size()) {
            return IsEndOfWord(node) && number <= UINT32_MAX
                       ? FrequencyBand(static_cast<std::uint32_t>(number))
                       : 0;
        }
        number += IsEndOfWord(node) ? 1 : 0;
        list = Child(node);
        if (list == 0) {
            return 0;
        }
    }
}

std::uint64_t TDCTFile::WalkBudget() const {
    return 2 * std::uint64_t(nodeCount_) + 16384;
}

}  // namespace zendal
