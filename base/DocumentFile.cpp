#include "base/DocumentFile.h"

#include "base/EDocumentTooLarge.h"
#include "base/WholeFile.h"

namespace zendal {

std::string DocumentFile::Read(const std::string& fileName) {
    std::uintmax_t size = 0;
    std::optional<std::string> bytes = WholeFile::ReadAtMost(fileName, kMostBytes, size);
    if (!bytes) {
        throw EDocumentTooLarge(fileName, size);
    }
    return std::move(*bytes);
}

}  // namespace zendal
