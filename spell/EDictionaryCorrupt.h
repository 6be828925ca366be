#pragma once

#include "base/ZendalError.h"

namespace zendal {

// A dictionary file that is not in the word-graph format, or whose graph breaks its rules.
class EDictionaryCorrupt : public ZendalError {
  public:
    EDictionaryCorrupt() : ZendalError("Dictionary Corrupt.") {}
};

}  // namespace zendal
