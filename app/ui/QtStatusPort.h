#pragma once

#include <array>

#include "base/StatusPort.h"
#include "base/ui/BusyCursor.h"

class QLabel;
class QStatusBar;

namespace zendal {

// The status bar of the main window with its four panels, left to right: state, spare, file
// counter and message. Writing a panel does not repaint it until ProcessMessages.
class QtStatusPort : public StatusPort {
  public:
    // Adds the four panels to the status bar.
    void Attach(QStatusBar* statusBar);

    void SetPanelText(Panel panel, const std::string& text) override;
    std::string PanelText(Panel panel) const override;
    void ProcessMessages() override;
    void SetBusyCursor(bool busy) override;

  private:
    std::array<QLabel*, 4> panels_{};
    BusyCursor busyCursor_;
};

}  // namespace zendal
