#pragma once

#include "base/ZendalError.h"

namespace zendal {

// A second dictionary object while one exists.
class EDictionaryInUse : public ZendalError {
  public:
    EDictionaryInUse() : ZendalError("Multiple Dictionaries not supported.") {}
};

}  // namespace zendal
