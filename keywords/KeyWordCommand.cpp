#include "keywords/KeyWordCommand.h"

#include <algorithm>
#include <unordered_set>

#include "base/CommaText.h"
#include "base/IntegerText.h"
#include "base/MultipleSelection.h"
#include "base/Wizard.h"
#include "base/WordComparison.h"
#include "keywords/KeyWordGenerator.h"
#include "keywords/WordRule.h"

namespace zendal {

namespace {

// What a key word counts as when the merge looks for it among the present ones: its word, or
// itself when it holds no letter or digit.
std::string ComparedAs(std::string_view item) {
    std::string_view word = WordRule::Trim(item);
    return WordComparison::SortKey(word.empty() ? item : word);
}

}  // namespace

void KeyWordCommand::SpeedButton9Click(Wizard& wizard, const ShowModal& showModal,
                                       RunProgress* progress) {
    if (MultipleSelection::MarksIgnoringCase(wizard.activeDocument)) {
        wizard.messages.Error("Cannot Perform Action on Multiple Files.");
        return;
    }
    try {
        KeyWordGenerator generator(wizard.programFolder, wizard.messages, wizard.status,
                                   wizard.settings, wizard.help);
        generator.FormCreate();
        generator.SetBodyCheckLimit(BodyCheckLimit(wizard.ruleBase.bodychk));
        generator.SetLanguage(wizard.fields.ComboBox5);
        generator.SetProgress(progress);
        if (!generator.Run(wizard.fileList.empty() ? std::string() : wizard.fileList.front())) {
            return;
        }
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
    // A present item counts by its word: "bread." holds the chosen "bread".
    std::unordered_set<std::string> present;
    for (const std::string& item : CommaText::Split(keyWords)) {
        present.insert(ComparedAs(item));
    }
    std::string added;
    for (const std::string& word : chosen) {
        if (present.insert(ComparedAs(word)).second) {
            added += added.empty() ? word : ", " + word;
        }
    }
    const bool onlySeparators =
        std::all_of(keyWords.begin(), keyWords.end(), WordRule::SeparatesWords);
    if (added.empty() || onlySeparators) {
        return added.empty() ? keyWords : added;
    }
    // The key words' own leading comma or blank serves as the join's.
    std::size_t lead = 0;
    bool leadingComma = false;
    while (WordRule::SeparatesWords(keyWords[lead])) {
        leadingComma = leadingComma || keyWords[lead] == ',';
        ++lead;
    }
    const char* join = leadingComma ? "" : lead > 0 ? "," : ", ";
    return added + join + keyWords;
}

}  // namespace zendal
