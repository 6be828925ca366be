#pragma once

#include "base/ZendalError.h"

namespace zendal {

// The document lacks a head, body or frameset, script or style end tag.
class EInvalidHTMLFile : public ZendalError {
  public:
    EInvalidHTMLFile(const std::string& fileName, const std::string& reason)
        : ZendalError("The File '" + fileName + "' is not a valid HTML 3.2 File\r(" + reason +
                      ")") {}
};

}  // namespace zendal
