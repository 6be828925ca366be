#pragma once

#include "base/ClipboardPort.h"

namespace zendal {

// The desktop clipboard, plain text.
class QtClipboardPort : public ClipboardPort {
  public:
    void SetText(const std::string& text) override;
};

}  // namespace zendal
