#include "app/DesktopEntry.h"

#include <cstdlib>
#include <filesystem>

#include "base/AtomicFile.h"
#include "base/EFileCreate.h"

namespace zendal {

namespace fs = std::filesystem;

namespace {

// Exec keys quote arguments with double quotes and escape the characters that stay special.
std::string QuotedExec(const std::string& programFile) {
    std::string quoted = "\"";
    for (char c : programFile) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') {
            quoted += '\\';
        }
        if (c == '%') {
            quoted += '%';
        }
        quoted += c;
    }
    return quoted + "\"";
}

// Values of a desktop entry are one line.
std::string OneLine(const std::string& text) {
    std::string line;
    for (char c : text) {
        line += (c == '\n' || c == '\r') ? ' ' : c;
    }
    return line;
}

}  // namespace

std::string DesktopEntry::Text(const std::string& programFile, const std::string& comment) {
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Zendal\n"
           "GenericName=Meta Tag Composer\n"
           "Comment=" +
           OneLine(comment) +
           "\n"
           "Exec=" +
           OneLine(QuotedExec(programFile)) +
           " %f\n"
           "Icon=zendal\n"
           "Terminal=false\n"
           "MimeType=text/html;application/xhtml+xml;\n"
           "Categories=Development;WebDevelopment;\n";
}

std::string DesktopEntry::UserApplicationsFolder() {
    if (const char* data = std::getenv("XDG_DATA_HOME"); data != nullptr && *data != '\0') {
        return (fs::path(data) / "applications").string();
    }
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        return (fs::path(home) / ".local" / "share" / "applications").string();
    }
    return std::string();
}

std::string DesktopEntry::Install(const std::string& applicationsFolder,
                                  const std::string& programFile, const std::string& comment) {
    const fs::path path = fs::path(applicationsFolder) / kFileName;
    if (applicationsFolder.empty()) {
        throw EFileCreate(kFileName);
    }
    std::error_code error;
    fs::create_directories(applicationsFolder, error);
    if (error) {
        throw EFileCreate(path.string());
    }
    AtomicFile::Write(path.string(), Text(programFile, comment));
    return path.string();
}

}  // namespace zendal
