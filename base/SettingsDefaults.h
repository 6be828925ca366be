#pragma once

#include <functional>
#include <string>

namespace zendal {

class Wizard;

// The main window's settings in the settings store, under the key Software\VELQ\rodoru. Values
// are read only when they exist and written only when they exist; a value that is missing
// leaves its field or copy as it was.
class SettingsDefaults {
  public:
    static constexpr const char* kKey = "Software\\VELQ\\rodoru";

    // Loads the schema that the selector names into the custom grid: CustomSchemas::scnameClick,
    // which lies above these settings and is therefore handed in by the caller.
    using SchemaLoader = std::function<void(Wizard& wizard)>;

    // Reads backup, removeblanks, the four rule base copies and schema, in that order; a stored
    // schema becomes the selector's text and is loaded. Nothing happens when the key cannot be
    // opened. Throws ESettingsFailure (naming the value) for a value that is not a string; the
    // values before it have been applied. A failure of loadSchema passes on.
    static void GetDefaults(Wizard& wizard, const SchemaLoader& loadSchema);
    // Writes removeblanks, then backup, as "1" or "0" from their boxes, each only when it
    // exists. Throws ESettingsFailure for a write that the store refuses.
    static void SetDefaults(Wizard& wizard);
};

}  // namespace zendal
