#pragma once

#include "base/ZendalError.h"

namespace zendal {

// A file could not be opened for reading.
class EFileOpen : public ZendalError {
  public:
    explicit EFileOpen(const std::string& fileName) : ZendalError("Cannot open file " + fileName) {}
};

}  // namespace zendal
