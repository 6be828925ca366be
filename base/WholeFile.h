#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace zendal {

// The one reader of whole files: every file that Zendal reads in one piece (documents, settings,
// schemas, word lists, the auto-correct list) is read here, with one buffer sized from the
// file's length.
class WholeFile {
  public:
    // The file's bytes. Throws EFileOpen when it cannot be opened or read, or is a folder.
    static std::string Read(const std::string& path);
    // The same, or nothing instead of EFileOpen.
    static std::optional<std::string> TryRead(const std::string& path);
    // The same for a file of at most mostBytes bytes. A larger file is refused before it is read,
    // or, when its size cannot be known beforehand (a pipe, a file that grows meanwhile), as soon
    // as more than mostBytes have come: then nothing is returned and size holds the size found.
    static std::optional<std::string> ReadAtMost(const std::string& path, std::uintmax_t mostBytes,
                                                 std::uintmax_t& size);
};

}  // namespace zendal
