#pragma once

#include <functional>

namespace zendal {

class Wizard;

// The main window's command "Edit Rules" (tool button of the analysis page and the Settings menu
// item "Meta Tag Analysis Rule Base").
class RuleBaseCommand {
  public:
    // Shows the rule base window modally and returns when it has closed.
    using ShowModal = std::function<void()>;

    // Shows the window, then reads all of the main window's stored settings again
    // (GetDefaults): the rule base copies, the two boxes and the selected schema, which is
    // loaded into the custom grid again. A settings failure is shown in an error box.
    static void SpeedButton12Click(Wizard& wizard, const ShowModal& showModal);
};

}  // namespace zendal
