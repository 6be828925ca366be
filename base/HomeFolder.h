#pragma once

#include <string>
#include <vector>

namespace zendal {

// The Zendal home folder, which plays the program folder: settings, schemas, backups, the noise
// word list and the dictionaries live there.
class HomeFolder {
  public:
    // The folder named by the option, else $ZENDAL_HOME, else $XDG_DATA_HOME/zendal, else
    // ~/.local/share/zendal; absolute, with a trailing '/', and created. Throws EFileCreate when
    // it cannot be created.
    static std::string Resolve(const std::string& option);

    // Creates what is missing from the shipped defaults: schemas/ (with the shipped schemas,
    // only when the folder itself is new, so that a deleted schema stays deleted), backup/,
    // srexclude.txt, zendal.dct and autofix.txt. A default that is not shipped is skipped.
    static void Seed(const std::string& home) { Seed(home, DataFolders()); }
    static void Seed(const std::string& home, const std::vector<std::string>& dataFolders);

    // Where shipped defaults are looked up, first match wins: the installed share/zendal beside
    // the running program, then the build tree's data folder, then the source data folder.
    static std::vector<std::string> DataFolders();
    // The first shipped copy of a file (relative to a data folder), or empty.
    static std::string FindShipped(const std::string& relativePath);

  private:
    static std::string FindIn(const std::vector<std::string>& dataFolders,
                              const std::string& relativePath);
};

}  // namespace zendal
