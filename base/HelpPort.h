#pragma once

#include "base/HelpContext.h"

namespace zendal {

// The help viewer, opened at a help context.
class HelpPort {
  public:
    virtual ~HelpPort() = default;
    virtual void ShowContext(HelpContext context) = 0;
};

}  // namespace zendal
