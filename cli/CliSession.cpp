#include "cli/CliSession.h"

#include "base/HomeFolder.h"
#include "base/SettingsDefaults.h"
#include "base/StartUp.h"
#include "base/ZendalError.h"
#include "cli/CliContext.h"
#include "custom/CustomSchemas.h"

namespace zendal::cli {

CliSession::CliSession(CliContext& context)
    : home_(HomeFolder::Resolve(context.homeOption)), wizard_(context.messages, context.status) {
    HomeFolder::Seed(home_);
    settings_ = std::make_unique<IniSettingsStore>(home_);
    wizard_.programFolder = home_;
    wizard_.settings = settings_.get();
    try {
        SettingsDefaults::GetDefaults(wizard_, CustomSchemas::scnameClick);
    } catch (const ZendalError&) {
        wizard_.messages.Failure(StartUp::kStartFailure);
    }
}

void CliSession::OpenDocument(const std::string& path) {
    document_ = std::make_unique<FileHost>(path);
    if (document_->TooLarge()) {
        // Refused before the command runs: the command then finds the document unreadable.
        wizard_.messages.Error(document_->LoadFailure());
    }
    wizard_.host = document_.get();
    StartUp::TakeActiveDocument(wizard_);
}

}  // namespace zendal::cli
