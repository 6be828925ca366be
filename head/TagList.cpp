#include "head/TagList.h"

#include "base/AsciiText.h"
#include "base/FieldTable.h"
#include "base/Wizard.h"

namespace zendal {

namespace {

void Show(Wizard& wizard, const std::string& text) {
    wizard.status.SetPanelText(StatusPort::MessagePanel, text + wizard.activeDocument);
    wizard.status.ProcessMessages();
}

}  // namespace

void TagList::BuildTagList(Wizard& wizard, int set) {
    entries_.clear();
    switch (set) {
        case kKeywordsAndDescription:
            // In the order of the fields that this read fills (FieldTable).
            Show(wizard, "Loading Description ");
            Add("Description=");
            Show(wizard, "Loading Keywords ");
            Add("keywords=");
            break;
        case kOptions:
            Show(wizard, "Loading generator ");
            for (const WizardField* field : FieldTable::ReadBy(WizardField::Read::Options)) {
                Add(std::string(field->metaName) + "=");
            }
            Show(wizard, "Loading expires ");
            break;
        case kCustom:
            for (const CustomRow& row : wizard.fields.grid1) {
                std::string name = row.MetaName();
                if (!name.empty()) {
                    Add(name + "=");
                }
            }
            break;
        default:
            break;
    }
}

std::string_view TagList::Name(int index) const {
    std::string_view entry = entries_[index];
    return entry.substr(0, entry.find('='));
}

int TagList::IndexOfName(std::string_view name) const {
    for (int i = 0; i < Count(); ++i) {
        if (AsciiText::Equals(Name(i), name)) {
            return i;
        }
    }
    return -1;
}

std::string TagList::Value(std::string_view name) const {
    int index = IndexOfName(name);
    if (index < 0) {
        return {};
    }
    const std::string& entry = entries_[index];
    std::size_t equals = entry.find('=');
    return equals == std::string::npos ? std::string() : entry.substr(equals + 1);
}

void TagList::SetValue(std::string_view name, std::string_view value) {
    std::string entry = std::string(name) + "=" + std::string(value);
    int index = IndexOfName(name);
    if (index < 0) {
        entries_.push_back(std::move(entry));
    } else {
        entries_[index] = std::move(entry);
    }
}

}  // namespace zendal
