#include "keywords/NoiseWordFile.h"

#include <filesystem>
#include <system_error>

#include "base/AtomicFile.h"
#include "base/DocumentCodec.h"
#include "base/WholeFile.h"

namespace zendal {

std::vector<std::string> NoiseWordFile::SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        char c = text[i];
        if (c != '\r' && c != '\n') {
            ++i;
            continue;
        }
        lines.emplace_back(text.substr(start, i - start));
        i += (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
        start = i;
    }
    if (start < text.size()) {
        lines.emplace_back(text.substr(start));
    }
    return lines;
}

std::vector<std::string> NoiseWordFile::Load(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        return {};
    }
    std::string bytes = WholeFile::Read(path);
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        bytes.erase(0, 3);
    }
    if (!DocumentCodec::IsValidUtf8(bytes)) {
        bytes = DocumentCodec::Windows1252ToUtf8(bytes);
    }
    return SplitLines(bytes);
}

void NoiseWordFile::Save(const std::string& path, const std::vector<std::string>& words) {
    std::string bytes;
    for (const std::string& word : words) {
        bytes += word;
        bytes += "\r\n";
    }
    AtomicFile::Write(path, bytes);
}

}  // namespace zendal
