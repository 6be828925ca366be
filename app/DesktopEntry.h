#pragma once

#include <string>

namespace zendal {

// The desktop entry that puts Zendal into the user's applications menu and into "Open With" for
// HTML pages: the built-in host's answer to a request for a tool bar button.
class DesktopEntry {
  public:
    static constexpr const char* kFileName = "zendal.desktop";

    // The entry's text for a program file and its comment.
    static std::string Text(const std::string& programFile, const std::string& comment);
    // $XDG_DATA_HOME/applications, else ~/.local/share/applications; empty when neither is set.
    static std::string UserApplicationsFolder();
    // Writes the entry into the folder (made when missing) and returns its path. Throws
    // EFileCreate when it cannot be written.
    static std::string Install(const std::string& applicationsFolder,
                               const std::string& programFile, const std::string& comment);
};

}  // namespace zendal
