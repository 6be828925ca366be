#pragma once

#include <string>

namespace zendal {

class Wizard;

// The main window's settings in the settings store, under the key Software\VELQ\rodoru. Values
// are read only when they exist and written only when they exist; a value that is missing
// leaves its field or copy as it was.
class SettingsDefaults {
  public:
    static constexpr const char* kKey = "Software\\VELQ\\rodoru";

    // Reads backup, removeblanks, the four rule base copies and schema, in that order. Nothing
    // happens when the key cannot be opened. Throws ESettingsFailure (naming the value) for a
    // value that is not a string; the values before it have been applied.
    static void GetDefaults(Wizard& wizard);
    // Writes removeblanks, then backup, as "1" or "0" from their boxes, each only when it
    // exists. Throws ESettingsFailure for a write that the store refuses.
    static void SetDefaults(Wizard& wizard);

  private:
    // Picks the stored schema in the selector and loads it into the custom grid.
    static void SelectSchema(Wizard& wizard, const std::string& name);
};

}  // namespace zendal
