#pragma once

#include <cstdint>
#include <string>

namespace zendal {

// Reads a document file whole, as its bytes. Every document that Zendal opens is read here, so
// that one size limit holds for all of them: a page larger than that is refused before it is
// read, instead of filling the memory with copies of it.
class DocumentFile {
  public:
    static constexpr std::uintmax_t kMostBytes = std::uintmax_t{256} << 20;

    // Throws EFileOpen when the file cannot be read (missing, a folder, no access) and
    // EDocumentTooLarge when it holds more than kMostBytes.
    static std::string Read(const std::string& fileName);
};

}  // namespace zendal
