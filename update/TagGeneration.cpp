#include "update/TagGeneration.h"

#include <utility>

#include "base/FieldTable.h"
#include "base/MultipleSelection.h"
#include "base/Wizard.h"

namespace zendal {

namespace {

std::string Prefix(const std::string& name, bool httpEquiv) {
    return std::string(httpEquiv ? "<meta http-equiv=\"" : "<meta name=\"") + name + "\"";
}

// The start of a field's tag, up to its name; the title's blank tag is a meta tag too, with
// http-equiv "title".
std::string Prefix(const WizardField& field) {
    return Prefix(field.metaName, field.tag != WizardField::Tag::Name);
}

// The value that the field's tag carries, empty when the field is blank.
std::string Value(const WizardField& field, const WizardFields& fields) {
    if (field.checked != nullptr) {
        return fields.*field.checked ? field.content : "";
    }
    return fields.*field.text;
}

}  // namespace

TagGeneration::TagGeneration(Wizard& wizard) : wizard_(wizard) {}

std::string TagGeneration::NameLine(const std::string& name, const std::string& value) {
    return Prefix(name, false) + " content=\"" + value + "\">";
}

std::string TagGeneration::HttpEquivLine(const std::string& name, const std::string& value) {
    return Prefix(name, true) + " content=\"" + value + "\">";
}

void TagGeneration::TabSheet5Enter() {
    StatusPort& status = wizard_.status;
    status.SetPanelText(StatusPort::MessagePanel, "Update your Document");
    if (clearReport) {
        clearReport();
    }
    status.SetPanelText(StatusPort::StatePanel, "Working...");
    const WizardFields& fields = wizard_.fields;
    tagLines.clear();
    generatedMetaList.clear();

    if (!fields.Titlebox.empty() && !MultipleSelection::MarksExactly(wizard_.activeDocument)) {
        tagLines.push_back("<title>" + fields.Titlebox + "</title>");
    }
    auto add = [this](std::string line) {
        tagLines.push_back(line);
        generatedMetaList.push_back(std::move(line));
    };
    add(NameLine("resource-type", "document"));
    for (const WizardField* field : FieldTable::Written()) {
        const std::string value = Value(*field, fields);
        if (!value.empty()) {
            add(Prefix(*field) + " content=\"" + value + "\">");
        }
    }
    for (const CustomRow& row : fields.grid1) {
        const std::string name = row.MetaName();
        const std::string value = row.MetaValue();
        if (!name.empty() && !value.empty()) {
            add(NameLine(name, value));
        }
    }

    status.SetPanelText(StatusPort::MessagePanel, "Tags have been generated");
    status.SetPanelText(StatusPort::StatePanel, "Ready");
}

std::string TagGeneration::TagLinesText() const {
    std::string text;
    for (std::size_t i = 0; i < tagLines.size(); ++i) {
        text += (i == 0 ? "" : "\n") + tagLines[i];
    }
    return text;
}

void TagGeneration::Button32Click(const std::string& tagLinesText) {
    if (wizard_.clipboard != nullptr) {
        wizard_.clipboard->SetText(tagLinesText);
    }
}

int TagGeneration::BuildBlankTagList() {
    const WizardFields& fields = wizard_.fields;
    blankTagList.clear();
    auto addIfBlank = [&](const WizardField& field) {
        if (Value(field, fields).empty()) {
            blankTagList.push_back(Prefix(field));
        }
    };
    // The title first, then the key words, then the others in the order they are written.
    const WizardField& keywords = FieldTable::Of(&WizardFields::edit22);
    addIfBlank(FieldTable::Of(&WizardFields::Titlebox));
    addIfBlank(keywords);
    for (const WizardField* field : FieldTable::Written()) {
        if (field != &keywords) {
            addIfBlank(*field);
        }
    }
    for (const CustomRow& row : fields.grid1) {
        const std::string name = row.MetaName();
        if (!name.empty() && row.MetaValue().empty()) {
            blankTagList.push_back(Prefix(name, false));
        }
    }
    return static_cast<int>(blankTagList.size());
}

void TagGeneration::RemoveBlankTags() {
    LineBuffer& buffer = wizard_.htmlrichedit;
    // The search range is the length before any deletion; past the end it reaches the end.
    const long length = static_cast<long>(buffer.WholeText().size());
    for (const std::string& prefix : blankTagList) {
        const long start = buffer.FindText(prefix, 0, length);
        if (start == LineBuffer::npos) {
            continue;
        }
        const long close = buffer.FindText(">", start, length);
        if (close != LineBuffer::npos) {
            buffer.ReplaceRange(start, close - start + 1, "");
        }
    }
}

}  // namespace zendal
