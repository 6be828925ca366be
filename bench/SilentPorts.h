#pragma once

#include <string>

#include "base/MessagePort.h"
#include "base/StatusPort.h"

// Ports that show nothing, for running commands in a benchmark.
class NullMessages : public zendal::MessagePort {
  public:
    void Show(Box, Outcome, const std::string&) override {}
    bool AskYesNo(const std::string&) override { return true; }
};

class NullStatus : public zendal::StatusPort {
  public:
    void SetPanelText(Panel, const std::string&) override {}
    std::string PanelText(Panel) const override { return {}; }
    void ProcessMessages() override {}
    void SetBusyCursor(bool) override {}
};
