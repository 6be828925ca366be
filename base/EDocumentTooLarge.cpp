#include "base/EDocumentTooLarge.h"

#include <cstdio>

#include "base/DocumentFile.h"

namespace zendal {

namespace {

std::string SizeText(std::uintmax_t size) {
    char megabytes[32];
    std::snprintf(megabytes, sizeof megabytes, "%.1f", static_cast<double>(size) / (1 << 20));
    return std::string(megabytes) + " MB (" + std::to_string(size) + " bytes)";
}

}  // namespace

EDocumentTooLarge::EDocumentTooLarge(const std::string& fileName, std::uintmax_t size)
    : ZendalError("The file " + fileName + " is too large to open: it is " + SizeText(size) +
                  ", and Zendal opens documents of up to " +
                  std::to_string(DocumentFile::kMostBytes >> 20) + " MB.") {}

}  // namespace zendal
