#include "spell/LetterCase.h"

#include "base/AsciiText.h"
#include "spell/CodePage437.h"

namespace zendal {

std::string LetterCase::Adjust(const std::string& entry, const std::string& model) {
    if (model.empty()) {
        return entry;
    }
    // The second letter tells capitals from a capitalised word; a one-letter word has only its
    // first. Anything that upper-casing leaves alone (a capital, a digit) counts as a capital.
    char telling = model.size() > 1 ? model[1] : model[0];
    if (CodePage437::Upper(telling) == telling) {
        return CodePage437::Upper(entry);
    }
    std::string adjusted = AsciiText::Lower(entry);
    if (!adjusted.empty() && CodePage437::Upper(model[0]) == model[0]) {
        adjusted[0] = CodePage437::Upper(adjusted[0]);
    }
    return adjusted;
}

}  // namespace zendal
