#pragma once

#include <string>

namespace zendal {

// The status bar with its four panels, the repaint between steps and the busy cursor.
class StatusPort {
  public:
    enum Panel { StatePanel = 0, SparePanel = 1, FileCounterPanel = 2, MessagePanel = 3 };

    virtual ~StatusPort() = default;
    virtual void SetPanelText(Panel panel, const std::string& text) = 0;
    virtual std::string PanelText(Panel panel) const = 0;
    // Lets the window process pending events (repaint) in the middle of a command.
    virtual void ProcessMessages() = 0;
    virtual void SetBusyCursor(bool busy) = 0;
    // The text that the bar shows only in its single-panel mode.
    virtual void SetSimpleText(const std::string& text) { simpleText_ = text; }
    std::string SimpleText() const { return simpleText_; }

  private:
    std::string simpleText_;
};

}  // namespace zendal
