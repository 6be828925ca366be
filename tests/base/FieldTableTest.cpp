#include "base/FieldTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

using zendal::FieldTable;
using zendal::WizardField;
using zendal::WizardFields;

namespace {

// Whether the places are 1, 2, 3 ... in the order given.
bool CountFromOne(const std::vector<const WizardField*>& rows, int WizardField::*place) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i]->*place != static_cast<int>(i) + 1) {
            return false;
        }
    }
    return true;
}

TEST(FieldTable, EveryRowIsOneFieldOfItsOwnNames) {
    std::set<std::string> controls, options, keys;
    for (const WizardField& field : FieldTable::Fields()) {
        SCOPED_TRACE(field.control);
        EXPECT_TRUE(controls.insert(field.control).second);
        EXPECT_NE(field.text == nullptr, field.checked == nullptr);
        if (field.option != nullptr) {
            EXPECT_TRUE(std::string(field.option).starts_with("--"));
            EXPECT_TRUE(options.insert(field.option).second);
        }
        if (field.jsonKey != nullptr) {
            EXPECT_TRUE(keys.insert(field.jsonKey).second);
        }
        // A field with a tag names it; a ticked box's tag carries its content.
        EXPECT_EQ(field.tag != WizardField::Tag::None, field.metaName != nullptr);
        EXPECT_EQ(field.checked != nullptr && field.tag != WizardField::Tag::None,
                  field.content != nullptr);
        // What is written or read is a tag of its own.
        if (field.written > 0 || field.read != WizardField::Read::None) {
            EXPECT_TRUE(field.tag == WizardField::Tag::Name ||
                        field.tag == WizardField::Tag::HttpEquiv);
        }
        if (field.list != nullptr) {
            EXPECT_NE(field.text, nullptr);
        }
    }
}

TEST(FieldTable, PlacesCountFromOneWithoutGapsOrTies) {
    EXPECT_TRUE(CountFromOne(FieldTable::Written(), &WizardField::written));
    for (WizardField::Read read :
         {WizardField::Read::KeywordsAndDescription, WizardField::Read::Options}) {
        const std::vector<const WizardField*>& rows = FieldTable::ReadBy(read);
        EXPECT_FALSE(rows.empty());
        EXPECT_TRUE(CountFromOne(rows, &WizardField::readOrder));
        for (const WizardField* field : rows) {
            EXPECT_EQ(field->read, read) << field->control;
            EXPECT_NE(field->text, nullptr) << field->control;
        }
    }
    EXPECT_TRUE(FieldTable::ReadBy(WizardField::Read::None).empty());
}

TEST(FieldTable, MembersAndControlsFindTheirRows) {
    EXPECT_STREQ(FieldTable::Of(&WizardFields::edit22).control, "edit22");
    EXPECT_STREQ(FieldTable::Of(&WizardFields::CheckBox1).metaName, "pragma");
    EXPECT_EQ(&FieldTable::OfControl("Edit3"), &FieldTable::Of(&WizardFields::Edit3));
    EXPECT_THROW(FieldTable::OfControl("grid1"), std::logic_error);
}

}  // namespace
