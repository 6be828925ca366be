#pragma once

#include <string>
#include <vector>

#include "base/WizardFields.h"

namespace zendal {

// One wizard field as every part of Zendal sees it: the member of WizardFields that holds its
// value, the control that shows it, the tag that carries it in the head, where it stands among
// the generated tags and in the reading of the head, and its zendal-cli option and JSON key.
struct WizardField {
    // What the field's value becomes in the head.
    enum class Tag {
        None,       // nothing (the update's own options)
        Title,      // the title element
        Name,       // <meta name="NAME" content="VALUE">
        HttpEquiv,  // <meta http-equiv="NAME" content="VALUE">
    };
    // Which read fills the field from the document's meta tags.
    enum class Read {
        None,
        KeywordsAndDescription,  // page 1 (TagList::kKeywordsAndDescription)
        Options,                 // page 2 (TagList::kOptions)
    };

    const char* control;  // the control's member and object name, as the field is called
    std::string WizardFields::*text = nullptr;  // a text field; else
    bool WizardFields::*checked = nullptr;      // a check box
    Tag tag = Tag::None;
    const char* metaName = nullptr;  // the tag's name or http-equiv
    const char* content = nullptr;   // a check box: its tag's content when ticked
    int written = 0;                 // its place among the generated tag lines; 0: not one
    Read read = Read::None;
    int readOrder = 0;              // its place in that read
    const char* option = nullptr;   // zendal-cli's option; a check box's "--no-" form clears it
    const char* jsonKey = nullptr;  // its key in zendal-cli's read result
    // The values that its drop-down list offers, or null.
    const std::vector<std::string>& (*list)() = nullptr;
};

// The one table of the wizard fields (the custom grid apart), in the order in which zendal-cli
// lists them. A new field is one more row; the columns say where it takes part.
class FieldTable {
  public:
    static const std::vector<WizardField>& Fields();
    // The row of a member, of a control name; the field must be in the table.
    static const WizardField& Of(std::string WizardFields::*text);
    static const WizardField& Of(bool WizardFields::*checked);
    static const WizardField& OfControl(const std::string& control);
    // The fields that make tag lines, in their order on the page "3. Generate Tags" (the title,
    // which leads apart, is not among them).
    static const std::vector<const WizardField*>& Written();
    // The fields that a read fills, in its order.
    static const std::vector<const WizardField*>& ReadBy(WizardField::Read read);
};

}  // namespace zendal
