#include "update/TagGeneration.h"

#include <utility>

#include "base/MultipleSelection.h"
#include "base/Wizard.h"

namespace zendal {

namespace {

struct FieldRow {
    std::string WizardFields::*field;
    const char* name;
    bool httpEquiv;
};

// Rows 3 to 15 of the generation, the fields whose value makes one line when not blank; the
// pragma line stands between generator and revisit.
const FieldRow kBeforePragma[] = {{&WizardFields::Edit4, "generator", false}};
const FieldRow kAfterPragma[] = {
    {&WizardFields::Edit2, "revisit-after", false},
    {&WizardFields::ComboBox4, "classification", false},
    {&WizardFields::edit1, "description", false},
    {&WizardFields::edit22, "keywords", false},
    {&WizardFields::ComboBox1, "robots", false},
    {&WizardFields::ComboBox3, "distribution", false},
    {&WizardFields::ComboBox2, "rating", false},
    {&WizardFields::Edit6, "copyright", false},
    {&WizardFields::Edit7, "author", false},
    {&WizardFields::Edit3, "reply-to", true},
    {&WizardFields::ComboBox5, "language", false},
};

// The blank tag list's order differs from the generation's.
const FieldRow kBlankRows[] = {
    {&WizardFields::edit22, "keywords", false},
    {&WizardFields::Edit4, "generator", false},
    {nullptr, "pragma", true},
    {&WizardFields::Edit2, "revisit-after", false},
    {&WizardFields::ComboBox4, "classification", false},
    {&WizardFields::edit1, "description", false},
    {&WizardFields::ComboBox1, "robots", false},
    {&WizardFields::ComboBox3, "distribution", false},
    {&WizardFields::ComboBox2, "rating", false},
    {&WizardFields::Edit6, "copyright", false},
    {&WizardFields::Edit7, "author", false},
    {&WizardFields::Edit3, "reply-to", true},
    {&WizardFields::ComboBox5, "language", false},
};

std::string Prefix(const std::string& name, bool httpEquiv) {
    return std::string(httpEquiv ? "<meta http-equiv=\"" : "<meta name=\"") + name + "\"";
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
    auto addRows = [&](const auto& rows) {
        for (const FieldRow& row : rows) {
            const std::string& value = fields.*row.field;
            if (!value.empty()) {
                add(row.httpEquiv ? HttpEquivLine(row.name, value) : NameLine(row.name, value));
            }
        }
    };
    add(NameLine("resource-type", "document"));
    addRows(kBeforePragma);
    if (fields.CheckBox1) {
        add(HttpEquivLine("pragma", "no-cache"));
    }
    addRows(kAfterPragma);
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
    if (fields.Titlebox.empty()) {
        blankTagList.push_back(Prefix("title", true));
    }
    for (const FieldRow& row : kBlankRows) {
        const bool blank = row.field == nullptr ? !fields.CheckBox1 : (fields.*row.field).empty();
        if (blank) {
            blankTagList.push_back(Prefix(row.name, row.httpEquiv));
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
