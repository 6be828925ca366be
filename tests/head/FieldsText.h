#pragma once

#include <string>

#include "base/WizardFields.h"

namespace zendal::test {

// Every read field as one line "control=value", to compare and to show in a failure.
inline std::string FieldsText(const WizardFields& f) {
    std::string text = "edit22=" + f.edit22 + "\nedit1=" + f.edit1 + "\nTitlebox=" + f.Titlebox +
                       "\nEdit4=" + f.Edit4 + "\nComboBox1=" + f.ComboBox1 +
                       "\nComboBox3=" + f.ComboBox3 + "\nComboBox2=" + f.ComboBox2 +
                       "\nComboBox5=" + f.ComboBox5 + "\nEdit6=" + f.Edit6 + "\nEdit7=" + f.Edit7 +
                       "\nComboBox4=" + f.ComboBox4 + "\nEdit3=" + f.Edit3 + "\nEdit2=" + f.Edit2 +
                       "\nCheckBox1=" + (f.CheckBox1 ? "1" : "0") + "\n";
    for (const CustomRow& row : f.grid1) {
        text += "grid1=" + row.name + "|" + row.value + "\n";
    }
    return text;
}

}  // namespace zendal::test
