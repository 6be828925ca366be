#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace zendal {

// One open main dictionary file (.dct): an 83-byte header and then the nodes of a word graph,
// four bytes each, little-endian. Nodes are read in place from a read-only mapping of the file
// (or, where the file cannot be mapped, through a cache of one 512-byte block), so the memory
// that the program itself uses does not grow with the file.
//
// Node bits: 31-24 the letter (code page 437, a to z lower-case), 23 last of its sibling list,
// 22 end of a word, 21-0 the first node of the child list (0: none). Node 1 starts the root list.
//
// A file compiled with word counts carries a ranking section after the nodes (see
// TDCTCompiler), named in the header's otherwise unused bytes: the tag "RANK" at offset 50, then
// the number of nodes and the number of words (32 bits each). A file whose sizes do not agree
// with its tag is read as one without the section.
//
// The file is not trusted: a node number outside the file, a sibling list longer than the 256
// letters there are, or a walk that runs past its budget raises EDictionaryCorrupt.
class TDCTFile {
  public:
    static constexpr std::size_t kIdentificationSize = 50;
    static constexpr std::size_t kHeaderSize = 83;
    static constexpr std::size_t kBlockSize = 512;
    static constexpr std::uint32_t kNodesPerBlock = kBlockSize / 4;
    // The block number is a signed 16-bit value.
    static constexpr std::uint32_t kMaxBlocks = 32767;
    static constexpr std::uint32_t kMaxNodes = kMaxBlocks * kNodesPerBlock;
    static constexpr std::uint32_t kMaxSiblings = 256;
    static constexpr std::size_t kMaxWordLength = 50;

    static constexpr std::size_t kRankingTagOffset = 50;
    static constexpr char kRankingTag[] = "RANK";

    static constexpr std::uint32_t kLastSibling = 1u << 23;
    static constexpr std::uint32_t kEndOfWord = 1u << 22;
    static constexpr std::uint32_t kChildMask = (1u << 22) - 1;

    // The 50 bytes that every dictionary file starts with.
    static const std::array<char, kIdentificationSize>& Identification();

    // Opens the file read-only. Throws EDictionaryNotFound when it does not exist, EFileOpen
    // when it cannot be read, EDictionaryCorrupt when its header or size is wrong.
    explicit TDCTFile(const std::string& path);
    ~TDCTFile();
    TDCTFile(const TDCTFile&) = delete;
    TDCTFile& operator=(const TDCTFile&) = delete;

    const std::string& FileName() const { return path_; }
    std::uint32_t NodeCount() const { return nodeCount_; }

    // Node k (1 to NodeCount()); any other number means the graph points outside the file.
    std::uint32_t ReadNode(std::uint32_t k) const;

    // Looks up a word of code page 437 bytes, already lower-cased.
    bool FindWord(const std::string& word) const;

    // Whether the file has a ranking section.
    bool HasFrequencies() const { return wordCount_ > 0; }
    std::uint32_t WordCount() const { return wordCount_; }
    // The words that the earlier siblings of node k lead to; 0 without a ranking section.
    std::uint32_t WordsBefore(std::uint32_t k) const;
    // The frequency byte of the word with that number (0 from the first word in alphabetical
    // order); 0 without a section or for a number outside it.
    std::uint8_t FrequencyBand(std::uint32_t wordNumber) const;
    // The frequency byte of a word (code page 437, lower-cased); 0 when the file does not
    // hold it or has no section.
    std::uint8_t FrequencyOf(const std::string& word) const;

    // How much work one walk over the graph may do before the graph counts as corrupt, in
    // nodes read (a walk for suggestions also counts the letters of the words it ranks): some
    // forty times what the walks over the shipped dictionary need at most, and little enough
    // that a crafted graph, whose paths may multiply at every level, cannot keep a walk busy.
    std::uint64_t WalkBudget() const;

    static char Letter(std::uint32_t node) { return static_cast<char>(node >> 24); }
    static bool IsLastSibling(std::uint32_t node) { return (node & kLastSibling) != 0; }
    static bool IsEndOfWord(std::uint32_t node) { return (node & kEndOfWord) != 0; }
    static std::uint32_t Child(std::uint32_t node) { return node & kChildMask; }

    // Finds the node with the letter in the sibling list that starts at node first; 0 when the
    // list has none.
    std::uint32_t FindSibling(std::uint32_t first, char letter) const;

  private:
    void LoadBlock(std::int16_t block) const;
    void FindRankingSection();
    // Reads size bytes of the file at offset, from the mapping or the file.
    void ReadBytes(std::uint64_t offset, void* buffer, std::size_t size) const;
    void Unmap();

    std::string path_;
    int fd_ = -1;
    std::uint64_t fileSize_ = 0;
    std::array<char, kHeaderSize> header_{};
    std::uint32_t nodeCount_ = 0;
    std::uint32_t wordCount_ = 0;
    std::uint64_t rankingOffset_ = 0;
    const unsigned char* mapping_ = nullptr;
    mutable std::int16_t cachedBlock_ = -1;
    mutable std::array<unsigned char, kBlockSize> block_{};
};

}  // namespace zendal
