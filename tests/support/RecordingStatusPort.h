#pragma once

#include <array>
#include <string>
#include <vector>

#include "base/StatusPort.h"

namespace zendal::test {

// Keeps the panel texts and a history of every text written to each panel.
class RecordingStatusPort : public StatusPort {
  public:
    void SetPanelText(Panel panel, const std::string& text) override {
        panels[panel] = text;
        history[panel].push_back(text);
    }
    std::string PanelText(Panel panel) const override { return panels[panel]; }
    void ProcessMessages() override { ++repaints; }
    void SetBusyCursor(bool busy) override { busyCursor = busy; }

    std::array<std::string, 4> panels;
    std::array<std::vector<std::string>, 4> history;
    int repaints = 0;
    bool busyCursor = false;
};

}  // namespace zendal::test
