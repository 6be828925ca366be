#pragma once

#include "base/ZendalError.h"

namespace zendal {

// A file could not be created or written.
class EFileCreate : public ZendalError {
  public:
    explicit EFileCreate(const std::string& fileName)
        : ZendalError("Cannot create file " + fileName) {}
};

}  // namespace zendal
