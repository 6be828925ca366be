#pragma once

#include <string>

#include "base/ZendalError.h"

namespace zendal {

// The open error of a main dictionary file that does not exist.
class EDictionaryNotFound : public ZendalError {
  public:
    explicit EDictionaryNotFound(const std::string& path)
        : ZendalError("Dictionary not found : " + path) {}
};

}  // namespace zendal
