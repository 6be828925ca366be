#pragma once

#include <memory>
#include <string>

#include "base/FileHost.h"
#include "base/IniSettingsStore.h"
#include "base/Wizard.h"

namespace zendal::cli {

struct CliContext;

// What every command works on: the wizard of a started program over the home folder, with a
// file from disk as the host's active document.
class CliSession {
  public:
    // Resolves and seeds the home folder, opens its settings and reads them (GetDefaults). A
    // settings failure shows "An Error has occurred, Zendal could not Start." and the reading
    // stops at that value, as at the window's start-up.
    explicit CliSession(CliContext& context);

    Wizard& wizard() { return wizard_; }
    // The file becomes the host and its absolute path the active document and the file list.
    void OpenDocument(const std::string& path);
    // The host made by the last OpenDocument, or null.
    FileHost* document() { return document_.get(); }
    const std::string& homeFolder() const { return home_; }

  private:
    std::string home_;
    std::unique_ptr<IniSettingsStore> settings_;
    Wizard wizard_;
    std::unique_ptr<FileHost> document_;
};

}  // namespace zendal::cli
