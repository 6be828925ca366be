#pragma once

#include <cstdint>
#include <string>

#include "base/ZendalError.h"

namespace zendal {

// The failure that a core component raises for an error it was told to report: carries the
// error code; its message is the code in decimal, ": " and the error text.
class ECoreError : public ZendalError {
  public:
    ECoreError(std::int32_t code, const std::string& text)
        : ZendalError(std::to_string(code) + ": " + text), code_(code) {}

    std::int32_t Code() const { return code_; }

  private:
    std::int32_t code_;
};

}  // namespace zendal
