#include "cli/FieldOptions.h"

#include "base/Wizard.h"
#include "base/ZendalError.h"
#include "cli/UsageError.h"
#include "custom/CustomSchemas.h"

namespace zendal::cli {

namespace {

struct TextOption {
    const char* name;
    std::string WizardFields::*field;
};

const TextOption kTextOptions[] = {
    {"--keywords", &WizardFields::edit22},
    {"--description", &WizardFields::edit1},
    {"--title", &WizardFields::Titlebox},
    {"--generator", &WizardFields::Edit4},
    {"--robots", &WizardFields::ComboBox1},
    {"--distribution", &WizardFields::ComboBox3},
    {"--rating", &WizardFields::ComboBox2},
    {"--language", &WizardFields::ComboBox5},
    {"--copyright", &WizardFields::Edit6},
    {"--author", &WizardFields::Edit7},
    {"--classification", &WizardFields::ComboBox4},
    {"--reply-to", &WizardFields::Edit3},
    {"--revisit", &WizardFields::Edit2},
};

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
        if (option == "--pragma" || option == "--no-pragma") {
            if (inlineText) {
                throw UsageError(option + " takes no text");
            }
            setting.kind = Setting::Kind::Pragma;
            setting.pragma = option == "--pragma";
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
            for (const TextOption& textOption : kTextOptions) {
                if (option == textOption.name) {
                    setting.kind = Setting::Kind::Text;
                    setting.field = textOption.field;
                    setting.text = text();
                    matched = true;
                    break;
                }
            }
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
            case Setting::Kind::Pragma:
                fields.CheckBox1 = setting.pragma;
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
