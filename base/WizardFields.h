#pragma once

#include <string>
#include <vector>

#include "base/CustomGridFrame.h"
#include "base/CustomRow.h"

namespace zendal {

// The metadata values that the wizard pages edit, each named after the control that holds it,
// with their values at start. FieldTable says where each takes part.
struct WizardFields {
    std::string edit22;                // key words
    std::string edit1;                 // description
    std::string Titlebox;              // title
    std::string Edit4;                 // generator
    std::string ComboBox1 = "ALL";     // robots
    std::string ComboBox3 = "Global";  // distribution
    std::string ComboBox2;             // rating
    std::string ComboBox5 = "en-us";   // language
    std::string Edit6;                 // copyright
    std::string Edit7;                 // author
    std::string ComboBox4;             // classification
    std::string Edit3;                 // reply-to address
    std::string Edit2 = "30 days";     // revisit
    bool CheckBox1 = false;            // pragma no-cache
    bool CheckBox2 = true;             // create backup
    bool CheckBox4 = false;            // remove blanks
    // Entry rows of the custom grid (the grid's header row is not among them); 4 empty at start.
    std::vector<CustomRow> grid1 = std::vector<CustomRow>(4);
    CustomGridFrame grid1Frame;  // its columns and header row (custom/CustomGrid works on both)
};

}  // namespace zendal
