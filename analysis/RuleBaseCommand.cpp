#include "analysis/RuleBaseCommand.h"

#include "base/ESettingsFailure.h"
#include "base/SettingsDefaults.h"
#include "base/Wizard.h"
#include "custom/CustomSchemas.h"

namespace zendal {

void RuleBaseCommand::SpeedButton12Click(Wizard& wizard, const ShowModal& showModal) {
    if (showModal) {
        showModal();
    }
    try {
        SettingsDefaults::GetDefaults(wizard, CustomSchemas::scnameClick);
    } catch (const ESettingsFailure& error) {
        wizard.messages.Error(error.Message());
    }
}

}  // namespace zendal
