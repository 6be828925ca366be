#include "head/ActiveDocument.h"

#include <exception>

#include "base/Wizard.h"

namespace zendal {

bool ActiveDocument::Load(Wizard& wizard, const std::string& failureMessage) {
    wizard.htmlrichedit.Clear();
    std::string_view text;
    try {
        text = wizard.RequireHost().Text();
    } catch (const std::exception&) {
        wizard.messages.Failure(failureMessage);
        return false;
    }
    wizard.htmlrichedit.AppendText(text);
    return true;
}

}  // namespace zendal
