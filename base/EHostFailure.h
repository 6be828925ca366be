#pragma once

#include "base/ZendalError.h"

namespace zendal {

// A call to the host editor failed: no host, no active document, or an error of the host. The
// caller replaces the text with its own fixed message.
class EHostFailure : public ZendalError {
  public:
    using ZendalError::ZendalError;
};

}  // namespace zendal
