#include "cli/FieldOptions.h"

#include "base/FieldTable.h"
#include "base/Wizard.h"
#include "base/ZendalError.h"
#include "cli/UsageError.h"
#include "custom/CustomSchemas.h"

namespace zendal::cli {

namespace {

// The field of an option, and for a check box whether the option ticks it ("--pragma") or
// clears it ("--no-pragma"); null when the option is no field's.
const WizardField* FieldOfOption(const std::string& option, bool& ticks) {
    for (const WizardField& field : FieldTable::Fields()) {
        if (field.option == nullptr) {
            continue;
        }
        const std::string name = field.option;
        if (option == name) {
            ticks = true;
            return &field;
        }
        if (field.checked != nullptr && option == "--no-" + name.substr(2)) {
            ticks = false;
            return &field;
        }
    }
    return nullptr;
}

// As picking the schema in the selector: a schema that cannot be loaded is shown as an error
// and leaves the grid's cells cleared.
void LoadSchema(Wizard& wizard) {
    try {
        CustomSchemas::scnameClick(wizard);
    } catch (const ZendalError& failure) {
        wizard.messages.Error(failure.Message());
    }
}

}  // namespace

FieldOptions FieldOptions::Extract(std::vector<std::string>& args) {
    FieldOptions options;
    std::size_t customRows = 0;
    std::vector<std::string> rest;
    std::size_t i = 0;
    for (; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--") {
            break;
        }
        const std::size_t equals = arg.find('=');
        const std::string option = arg.starts_with("--") ? arg.substr(0, equals) : arg;
        const bool inlineText = arg.starts_with("--") && equals != std::string::npos;
        auto text = [&]() -> std::string {
            if (inlineText) {
                return arg.substr(equals + 1);
            }
            if (i + 1 >= args.size()) {
                throw UsageError(option + " needs a text");
            }
            return args[++i];
        };
        Setting setting{};
        bool matched = true;
        bool ticks = false;
        const WizardField* field = FieldOfOption(option, ticks);
        if (field != nullptr && field->checked != nullptr) {
            if (inlineText) {
                throw UsageError(option + " takes no text");
            }
            setting.kind = Setting::Kind::Check;
            setting.checked = field->checked;
            setting.ticks = ticks;
        } else if (field != nullptr) {
            setting.kind = Setting::Kind::Text;
            setting.field = field->text;
            setting.text = text();
        } else if (option == "--schema") {
            setting.kind = Setting::Kind::Schema;
            setting.text = text();
        } else if (option == "--custom") {
            std::string row = text();
            const std::size_t split = row.find('=');
            setting.kind = Setting::Kind::Custom;
            setting.text = row.substr(0, split);
            setting.value = split == std::string::npos ? std::string() : row.substr(split + 1);
            setting.row = customRows++;
        } else {
            matched = false;
        }
        if (matched) {
            options.settings_.push_back(std::move(setting));
        } else {
            rest.push_back(arg);
        }
    }
    rest.insert(rest.end(), args.begin() + i, args.end());
    args = std::move(rest);
    return options;
}

void FieldOptions::ApplyBeforeRead(Wizard& wizard, const SchemaLoader& loadSchema) const {
    std::vector<CustomRow>& grid = wizard.fields.grid1;
    for (const Setting& setting : settings_) {
        if (setting.kind == Setting::Kind::Schema) {
            wizard.schemaName = setting.text;
            if (loadSchema) {
                loadSchema(wizard, setting.text);
            } else {
                LoadSchema(wizard);
            }
        } else if (setting.kind == Setting::Kind::Custom) {
            // The grid grows past its empty entry rows when needed.
            if (grid.size() <= setting.row) {
                grid.resize(setting.row + 1);
            }
            grid[setting.row].name = setting.text;
        }
    }
}

void FieldOptions::ApplyAfterRead(Wizard& wizard) const {
    WizardFields& fields = wizard.fields;
    for (const Setting& setting : settings_) {
        switch (setting.kind) {
            case Setting::Kind::Text:
                fields.*setting.field = setting.text;
                break;
            case Setting::Kind::Check:
                fields.*setting.checked = setting.ticks;
                break;
            case Setting::Kind::Custom:
                // A typed value wins over the document's.
                if (!setting.value.empty() && setting.row < fields.grid1.size()) {
                    fields.grid1[setting.row].value = setting.value;
                }
                break;
            case Setting::Kind::Schema:
                break;
        }
    }
}

}  // namespace zendal::cli
