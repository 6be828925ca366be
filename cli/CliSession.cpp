#include "cli/CliSession.h"

#include "app/HomeFolder.h"
#include "app/SettingsDefaults.h"
#include "app/StartUp.h"
#include "app/ZendalError.h"
#include "cli/CliContext.h"

namespace zendal::cli {

CliSession::CliSession(CliContext& context)
    : home_(HomeFolder::Resolve(context.homeOption)), wizard_(context.messages, context.status) {
    HomeFolder::Seed(home_);
    settings_ = std::make_unique<IniSettingsStore>(home_);
    wizard_.programFolder = home_;
    wizard_.settings = settings_.get();
    try {
        SettingsDefaults::GetDefaults(wizard_);
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
