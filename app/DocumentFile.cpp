#include "app/DocumentFile.h"

#include <filesystem>
#include <fstream>

#include "app/EDocumentTooLarge.h"
#include "app/EFileOpen.h"

namespace zendal {

std::string DocumentFile::Read(const std::string& fileName) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(fileName, error);
    if (error || std::filesystem::is_directory(status)) {
        throw EFileOpen(fileName);
    }
    std::ifstream in(fileName, std::ios::binary);
    if (!in) {
        throw EFileOpen(fileName);
    }
    std::string bytes;
    if (std::filesystem::is_regular_file(status)) {
        const std::uintmax_t size = std::filesystem::file_size(fileName, error);
        if (!error && size > kMostBytes) {
            throw EDocumentTooLarge(fileName, size);
        }
        if (!error) {
            bytes.reserve(size);
        }
    }
    // Read in blocks up to one past the limit, so that a pipe or a file that grows while it is
    // read is bounded as well.
    char block[1 << 16];
    while (in.read(block, sizeof block) || in.gcount() > 0) {
        bytes.append(block, static_cast<std::size_t>(in.gcount()));
        if (bytes.size() > kMostBytes) {
            throw EDocumentTooLarge(fileName, bytes.size());
        }
    }
    if (in.bad()) {
        throw EFileOpen(fileName);
    }
    return bytes;
}

}  // namespace zendal
