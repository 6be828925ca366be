#include "keywords/KeyWordCommand.h"

#include <unordered_set>

#include "base/CommaText.h"
#include "base/IntegerText.h"
#include "base/MultipleSelection.h"
#include "base/Wizard.h"
#include "base/WordComparison.h"
#include "keywords/KeyWordGenerator.h"

namespace zendal {

void KeyWordCommand::SpeedButton9Click(Wizard& wizard, const ShowModal& showModal) {
    if (MultipleSelection::MarksIgnoringCase(wizard.activeDocument)) {
        wizard.messages.Error("Cannot Perform Action on Multiple Files.");
        return;
    }
    try {
        KeyWordGenerator generator(wizard.programFolder, wizard.messages, wizard.status,
                                   wizard.settings, wizard.help);
        generator.FormCreate();
        generator.SetBodyCheckLimit(BodyCheckLimit(wizard.ruleBase.bodychk));
        generator.Run(wizard.fileList.empty() ? std::string() : wizard.fileList.front());
        if (showModal) {
            showModal(generator);
        }
        if (!generator.ChosenKeyWords().empty()) {
            wizard.fields.edit22 = Merge(wizard.fields.edit22, generator.ChosenKeyWords());
        }
    } catch (const ZendalError& error) {
        wizard.messages.Error(error.Message());
    }
}

int KeyWordCommand::BodyCheckLimit(const std::string& bodyCheckCount) {
    int count = IntegerText::Parse(bodyCheckCount);
    return count > 0 ? count : kDefaultBodyCheckLimit;
}

std::string KeyWordCommand::Merge(const std::string& keyWords,
                                  const std::vector<std::string>& chosen) {
    std::unordered_set<std::string> present;
    for (const std::string& word : CommaText::Split(keyWords)) {
        present.insert(WordComparison::SortKey(word));
    }
    std::string merged = keyWords;
    for (auto word = chosen.rbegin(); word != chosen.rend(); ++word) {
        if (present.count(WordComparison::SortKey(*word)) > 0) {
            continue;
        }
        // Byte-wise: anything but an empty text, a single blank or a leading control character.
        merged = merged > " " ? *word + "," + merged : *word;
    }
    return merged;
}

}  // namespace zendal
