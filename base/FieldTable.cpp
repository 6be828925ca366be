#include "base/FieldTable.h"

#include <algorithm>
#include <stdexcept>

#include "base/FieldLists.h"

namespace zendal {

namespace {

using F = WizardFields;
using Tag = WizardField::Tag;
using Read = WizardField::Read;

std::vector<const WizardField*> Sorted(int WizardField::*place, Read read) {
    std::vector<const WizardField*> rows;
    for (const WizardField& field : FieldTable::Fields()) {
        if (field.*place > 0 && (read == Read::None || field.read == read)) {
            rows.push_back(&field);
        }
    }
    std::sort(rows.begin(), rows.end(), [place](const WizardField* a, const WizardField* b) {
        return a->*place < b->*place;
    });
    return rows;
}

}  // namespace

// Written: after the title line and the fixed resource-type line, generator first. The read of
// page 2 looks the options up in an order of its own.
const std::vector<WizardField>& FieldTable::Fields() {
    static const std::vector<WizardField> fields = {
        {.control = "Titlebox",
         .text = &F::Titlebox,
         .tag = Tag::Title,
         .metaName = "title",
         .option = "--title",
         .jsonKey = "title"},
        {.control = "edit22",
         .text = &F::edit22,
         .tag = Tag::Name,
         .metaName = "keywords",
         .written = 6,
         .read = Read::KeywordsAndDescription,
         .readOrder = 2,
         .option = "--keywords",
         .jsonKey = "keywords"},
        {.control = "edit1",
         .text = &F::edit1,
         .tag = Tag::Name,
         .metaName = "description",
         .written = 5,
         .read = Read::KeywordsAndDescription,
         .readOrder = 1,
         .option = "--description",
         .jsonKey = "description"},
        {.control = "Edit4",
         .text = &F::Edit4,
         .tag = Tag::Name,
         .metaName = "generator",
         .written = 1,
         .read = Read::Options,
         .readOrder = 1,
         .option = "--generator",
         .jsonKey = "generator"},
        {.control = "ComboBox1",
         .text = &F::ComboBox1,
         .tag = Tag::Name,
         .metaName = "robots",
         .written = 7,
         .read = Read::Options,
         .readOrder = 3,
         .option = "--robots",
         .jsonKey = "robots",
         .list = &FieldLists::Robots},
        {.control = "ComboBox3",
         .text = &F::ComboBox3,
         .tag = Tag::Name,
         .metaName = "distribution",
         .written = 8,
         .read = Read::Options,
         .readOrder = 4,
         .option = "--distribution",
         .jsonKey = "distribution",
         .list = &FieldLists::Distribution},
        {.control = "ComboBox2",
         .text = &F::ComboBox2,
         .tag = Tag::Name,
         .metaName = "rating",
         .written = 9,
         .read = Read::Options,
         .readOrder = 5,
         .option = "--rating",
         .jsonKey = "rating",
         .list = &FieldLists::Rating},
        {.control = "ComboBox5",
         .text = &F::ComboBox5,
         .tag = Tag::Name,
         .metaName = "language",
         .written = 13,
         .read = Read::Options,
         .readOrder = 8,
         .option = "--language",
         .jsonKey = "language",
         .list = &FieldLists::Language},
        {.control = "Edit6",
         .text = &F::Edit6,
         .tag = Tag::Name,
         .metaName = "copyright",
         .written = 10,
         .read = Read::Options,
         .readOrder = 6,
         .option = "--copyright",
         .jsonKey = "copyright"},
        {.control = "Edit7",
         .text = &F::Edit7,
         .tag = Tag::Name,
         .metaName = "author",
         .written = 11,
         .read = Read::Options,
         .readOrder = 7,
         .option = "--author",
         .jsonKey = "author"},
        {.control = "ComboBox4",
         .text = &F::ComboBox4,
         .tag = Tag::Name,
         .metaName = "classification",
         .written = 4,
         .read = Read::Options,
         .readOrder = 2,
         .option = "--classification",
         .jsonKey = "classification",
         .list = &FieldLists::Classification},
        {.control = "Edit3",
         .text = &F::Edit3,
         .tag = Tag::HttpEquiv,
         .metaName = "reply-to",
         .written = 12,
         .read = Read::Options,
         .readOrder = 10,
         .option = "--reply-to",
         .jsonKey = "reply-to"},
        {.control = "Edit2",
         .text = &F::Edit2,
         .tag = Tag::Name,
         .metaName = "revisit-after",
         .written = 3,
         .read = Read::Options,
         .readOrder = 9,
         .option = "--revisit",
         .jsonKey = "revisit"},
        {.control = "CheckBox1",
         .checked = &F::CheckBox1,
         .tag = Tag::HttpEquiv,
         .metaName = "pragma",
         .content = "no-cache",
         .written = 2,
         .option = "--pragma",
         .jsonKey = "pragma"},
        {.control = "CheckBox2", .checked = &F::CheckBox2},  // create backup
        {.control = "CheckBox4", .checked = &F::CheckBox4},  // remove blanks
    };
    return fields;
}

const WizardField& FieldTable::Of(std::string WizardFields::*text) {
    for (const WizardField& field : Fields()) {
        if (field.text == text) {
            return field;
        }
    }
    throw std::logic_error("a text field without a row of the field table");
}

const WizardField& FieldTable::Of(bool WizardFields::*checked) {
    for (const WizardField& field : Fields()) {
        if (field.checked == checked) {
            return field;
        }
    }
    throw std::logic_error("a check box without a row of the field table");
}

const WizardField& FieldTable::OfControl(const std::string& control) {
    for (const WizardField& field : Fields()) {
        if (field.control == control) {
            return field;
        }
    }
    throw std::logic_error("no field of the control " + control);
}

const std::vector<const WizardField*>& FieldTable::Written() {
    static const std::vector<const WizardField*> rows = Sorted(&WizardField::written, Read::None);
    return rows;
}

const std::vector<const WizardField*>& FieldTable::ReadBy(WizardField::Read read) {
    static const std::vector<const WizardField*> keywordsAndDescription =
        Sorted(&WizardField::readOrder, Read::KeywordsAndDescription);
    static const std::vector<const WizardField*> options =
        Sorted(&WizardField::readOrder, Read::Options);
    static const std::vector<const WizardField*> none;
    switch (read) {
        case Read::KeywordsAndDescription:
            return keywordsAndDescription;
        case Read::Options:
            return options;
        case Read::None:
            break;
    }
    return none;
}

}  // namespace zendal
