#pragma once

#include <string>

namespace zendal {

class StatusPort;
class Wizard;

// The steps of the main window's start-up that both programs share.
class StartUp {
  public:
    static constexpr const char* kHostFailure = "Could not start HomeSite .";
    static constexpr const char* kStartFailure = "An Error has occurred, Zendal could not Start.";

    // Asks the host for its active document's file name. On success the name becomes the
    // active document and the one entry of the file list, and the status bar shows its start
    // texts. Without a host, or when the host fails, shows kHostFailure, changes nothing else
    // and returns false.
    static bool TakeActiveDocument(Wizard& wizard);
    // State "Ready", message "Zendal Started...", spare "NONE", file counter "NONE".
    static void ShowStartTexts(StatusPort& status);
    // "Zendal - " followed by the active document.
    static std::string Caption(const Wizard& wizard);
};

}  // namespace zendal
