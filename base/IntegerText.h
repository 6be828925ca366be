#pragma once

#include <string>

#include "base/ZendalError.h"

namespace zendal {

// A text that should hold a whole number but does not.
class EConvertError : public ZendalError {
  public:
    using ZendalError::ZendalError;
};

// Conversion of a stored text to a whole number: leading blanks, an optional sign, decimal
// digits or a hexadecimal number after "$" or "0x", nothing after; 32-bit range.
class IntegerText {
  public:
    // Throws EConvertError "'TEXT' is not a valid integer value".
    static int Parse(const std::string& text);
};

}  // namespace zendal
