#pragma once

#include "base/ZendalError.h"

namespace zendal {

// The settings store refused a read or a write; the message names the value.
class ESettingsFailure : public ZendalError {
  public:
    using ZendalError::ZendalError;
};

}  // namespace zendal
