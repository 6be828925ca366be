#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zendal {

// The noise word file srexclude.txt: one noise word per line, lines kept as written (not
// trimmed, an empty line is the empty word). Lines end at CR, LF or CR LF; a break after the
// last line adds no entry. Written with CR LF after every entry.
class NoiseWordFile {
  public:
    static constexpr const char* kFileName = "srexclude.txt";

    static std::vector<std::string> SplitLines(std::string_view text);
    // The entries of the file; a file that does not exist gives none. Throws EFileOpen for a
    // file that exists but cannot be read. A file that is not valid UTF-8 is read as
    // Windows-1252.
    static std::vector<std::string> Load(const std::string& path);
    // Throws EFileCreate when the file cannot be written; the old file is then kept.
    static void Save(const std::string& path, const std::vector<std::string>& words);
};

}  // namespace zendal
