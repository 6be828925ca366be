#pragma once

#include "base/ZendalError.h"

namespace zendal {

// No file to work on.
class ENoFile : public ZendalError {
  public:
    using ZendalError::ZendalError;
};

}  // namespace zendal
