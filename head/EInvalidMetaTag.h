#pragma once

#include "base/ZendalError.h"

namespace zendal {

// A malformed title or meta tag.
class EInvalidMetaTag : public ZendalError {
  public:
    using ZendalError::ZendalError;
};

}  // namespace zendal
