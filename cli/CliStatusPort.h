#pragma once

#include <array>

#include "base/StatusPort.h"

namespace zendal::cli {

// The status bar without a window: panel texts are kept, nothing is shown.
class CliStatusPort : public StatusPort {
  public:
    void SetPanelText(Panel panel, const std::string& text) override { panels_[panel] = text; }
    std::string PanelText(Panel panel) const override { return panels_[panel]; }
    void ProcessMessages() override {}
    void SetBusyCursor(bool) override {}

  private:
    std::array<std::string, 4> panels_;
};

}  // namespace zendal::cli
