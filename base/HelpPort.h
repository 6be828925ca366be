#pragma once

namespace zendal {

// The help viewer, opened at a numbered help context.
class HelpPort {
  public:
    virtual ~HelpPort() = default;
    virtual void ShowContext(int context) = 0;
};

}  // namespace zendal
