#include "base/SettingsDefaults.h"

#include <functional>

#include "base/Wizard.h"

namespace zendal {

namespace {

// Applies the value when it exists.
void ReadIfPresent(SettingsStore& store, const char* name,
                   const std::function<void(const std::string&)>& apply) {
    if (store.ValueExists(SettingsDefaults::kKey, name)) {
        apply(store.ReadString(SettingsDefaults::kKey, name));
    }
}

void WriteIfPresent(SettingsStore& store, const char* name, bool checked) {
    if (store.ValueExists(SettingsDefaults::kKey, name)) {
        store.WriteString(SettingsDefaults::kKey, name, checked ? "1" : "0");
    }
}

// A rule base copy takes the stored text, or the fallback when the stored text is `unset`.
std::function<void(const std::string&)> RuleBaseCopy(std::string& copy, const char* unset,
                                                     const char* fallback) {
    return [&copy, unset, fallback](const std::string& text) {
        copy = text == unset ? fallback : text;
    };
}

}  // namespace

void SettingsDefaults::GetDefaults(Wizard& wizard, const SchemaLoader& loadSchema) {
    if (wizard.settings == nullptr || !wizard.settings->OpenKey(kKey)) {
        return;
    }
    SettingsStore& store = *wizard.settings;
    WizardFields& fields = wizard.fields;
    RuleBaseCopies& ruleBase = wizard.ruleBase;
    ReadIfPresent(store, "backup", [&](const std::string& v) { fields.CheckBox2 = v == "1"; });
    ReadIfPresent(store, "removeblanks",
                  [&](const std::string& v) { fields.CheckBox4 = v == "1"; });
    ReadIfPresent(store, "keywords-r", RuleBaseCopy(ruleBase.keywordsR, "", "6"));
    ReadIfPresent(store, "bodychk", RuleBaseCopy(ruleBase.bodychk, "0", "1000"));
    ReadIfPresent(store, "keywords", RuleBaseCopy(ruleBase.keywords, "0", "1000"));
    ReadIfPresent(store, "description", RuleBaseCopy(ruleBase.description, "0", "200"));
    ReadIfPresent(store, "schema", [&](const std::string& v) {
        wizard.schemaName = v;
        loadSchema(wizard);
    });
}

void SettingsDefaults::SetDefaults(Wizard& wizard) {
    if (wizard.settings == nullptr || !wizard.settings->OpenKey(kKey)) {
        return;
    }
    WriteIfPresent(*wizard.settings, "removeblanks", wizard.fields.CheckBox4);
    WriteIfPresent(*wizard.settings, "backup", wizard.fields.CheckBox2);
}

}  // namespace zendal
