#pragma once

#include <functional>
#include <string>
#include <vector>

namespace zendal {

class KeyWordGenerator;
class RunProgress;
class Wizard;

// The main window's command "Key Words" (button and menu item): counts the words at the start
// of the active document's body, shows them in the key word window, and merges the words chosen
// there into the key words field edit22.
class KeyWordCommand {
  public:
    // Shows the key word window modally over the generator and returns when it has closed.
    using ShowModal = std::function<void(KeyWordGenerator& generator)>;

    static constexpr int kDefaultBodyCheckLimit = 5000;

    // The main window makes its first page active before it calls this. The run shows its
    // progress when given one; a run that the user cancels ends the command, and the window is
    // not shown.
    static void SpeedButton9Click(Wizard& wizard, const ShowModal& showModal,
                                  RunProgress* progress = nullptr);

    // The body check limit of a body check count text: the number when it is above 0, else
    // 5000. Throws EConvertError when the text is not a whole number.
    static int BodyCheckLimit(const std::string& bodyCheckCount);

    // Puts the chosen words that the key words do not hold yet in front of them, in the order
    // chosen, as key words are written: ", " between items. The key words text stays as it is
    // behind them; where it begins with a comma or a blank, the join takes no second one.
    static std::string Merge(const std::string& keyWords, const std::vector<std::string>& chosen);
};

}  // namespace zendal
