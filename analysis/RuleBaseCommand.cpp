#include "analysis/RuleBaseCommand.h"

#include "app/ESettingsFailure.h"
#include "app/SettingsDefaults.h"
#include "app/Wizard.h"

namespace zendal {

void RuleBaseCommand::SpeedButton12Click(Wizard& wizard, const ShowModal& showModal) {
    if (showModal) {
        showModal();
    }
    try {
        SettingsDefaults::GetDefaults(wizard);
    } catch (const ESettingsFailure& error) {
        wizard.messages.Error(error.Message());
    }
}

}  // namespace zendal
