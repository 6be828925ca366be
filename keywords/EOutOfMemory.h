#pragma once

#include "base/ZendalError.h"

namespace zendal {

// A fixed-size store of the tokeniser is full (a tag with more attributes than its list holds).
class EOutOfMemory : public ZendalError {
  public:
    EOutOfMemory() : ZendalError("Out of memory") {}
};

}  // namespace zendal
