#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "spell/TDCTCompiler.h"
#include "spell/TDCTFile.h"
#include "support/TestSupport.h"

namespace zendal::test {

// The words of tests/data/spell/words.txt.
inline std::vector<std::string> FixtureWords() {
    return TDCTCompiler::ReadWordList(Fixture("spell/words.txt").string());
}

// Compiles words into a dictionary file in dir; the possessives are left out as the shipped
// dictionary leaves them out.
inline std::filesystem::path CompileDictionary(const TempDir& dir,
                                               const std::vector<std::string>& words,
                                               const std::string& name = "zendal.dct") {
    TDCTCompiler compiler({.dropPossessives = true});
    return dir.Write(name, compiler.Compile(words));
}

// One node value from its parts.
inline std::uint32_t Node(unsigned char letter, bool last, bool endOfWord, std::uint32_t child) {
    return std::uint32_t(letter) << 24 | (last ? TDCTFile::kLastSibling : 0) |
           (endOfWord ? TDCTFile::kEndOfWord : 0) | child;
}

// A dictionary file made by hand: the identification text, the header, the nodes.
inline std::string DctBytes(const std::vector<std::uint32_t>& nodes) {
    std::string bytes(TDCTFile::Identification().begin(), TDCTFile::Identification().end());
    bytes.resize(TDCTFile::kHeaderSize, '\0');
    for (std::uint32_t node : nodes) {
        for (int shift = 0; shift < 32; shift += 8) {
            bytes += static_cast<char>((node >> shift) & 0xFF);
        }
    }
    return bytes;
}

}  // namespace zendal::test
