#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "base/WizardFields.h"

namespace zendal {
class Wizard;
}

namespace zendal::cli {

// The wizard field options of the read, tags, update and analyse commands. --schema and the name
// cells of --custom apply before the document is read, so that the read fills their values; the
// other options, and the non-empty values of --custom, apply after it. Each group applies in the
// order given.
class FieldOptions {
  public:
    // Loads the named schema into the custom grid, as picking it in the selector does.
    using SchemaLoader = std::function<void(Wizard&, const std::string&)>;

    // Takes the field options (and their texts) out of args, up to a "--"; the other arguments
    // stay, in order. Both "--title T" and "--title=T" are accepted. Throws UsageError for an
    // option without its text.
    static FieldOptions Extract(std::vector<std::string>& args);

    // Without a loader a --schema name becomes the selector's text and its schema is loaded
    // (CustomSchemas::scnameClick); a failure to load is shown as an error.
    void ApplyBeforeRead(Wizard& wizard, const SchemaLoader& loadSchema = nullptr) const;
    void ApplyAfterRead(Wizard& wizard) const;

  private:
    struct Setting {
        enum class Kind { Text, Check, Schema, Custom } kind;
        std::string WizardFields::*field = nullptr;  // Text
        bool WizardFields::*checked = nullptr;       // Check
        bool ticks = false;                          // Check
        std::string text;                            // Text, Schema; Custom: the name cell
        std::string value;                           // Custom: the value cell
        std::size_t row = 0;                         // Custom: index among the entry rows
    };

    std::vector<Setting> settings_;
};

}  // namespace zendal::cli
