#pragma once

#include <string>

namespace zendal {

// The desktop clipboard, plain text.
class ClipboardPort {
  public:
    virtual ~ClipboardPort() = default;
    virtual void SetText(const std::string& text) = 0;
};

}  // namespace zendal
