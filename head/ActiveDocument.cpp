#include "head/ActiveDocument.h"

#include <exception>

#include "base/EHostFailure.h"
#include "base/Wizard.h"

namespace zendal {

bool ActiveDocument::Load(Wizard& wizard, const std::string& failureMessage) {
    wizard.htmlrichedit.Clear();
    std::string_view text;
    try {
        if (wizard.host == nullptr) {
            throw EHostFailure("no host");
        }
        text = wizard.host->Text();
    } catch (const std::exception&) {
        wizard.messages.Failure(failureMessage);
        return false;
    }
    wizard.htmlrichedit.AppendText(text);
    return true;
}

}  // namespace zendal
