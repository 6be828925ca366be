#pragma once

#include <cstdint>
#include <string>

#include "base/ZendalError.h"

namespace zendal {

// A document file is larger than the most that Zendal opens. The message names its size.
class EDocumentTooLarge : public ZendalError {
  public:
    EDocumentTooLarge(const std::string& fileName, std::uintmax_t size);
};

}  // namespace zendal
