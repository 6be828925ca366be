#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace zendal::test {

// A fresh folder under the system's temporary folder, removed with the object.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    // Writes a file below the folder and returns its path.
    std::filesystem::path Write(const std::string& name, const std::string& bytes) const;

  private:
    std::filesystem::path path_;
};

std::string ReadFile(const std::filesystem::path& path);
// A fixture file of tests/data.
std::filesystem::path Fixture(const std::string& name);

struct CliResult {
    int status = -1;  // the exit status, or -1 when a signal ended the program
    int signal = 0;   // the signal that ended it
    std::string out;
    std::string err;
};

// Runs the built zendal-cli with the arguments (not through a shell) and the given input. With a
// time limit, a run that takes longer is ended by SIGALRM.
CliResult RunCli(const std::vector<std::string>& args, const std::string& input = "",
                 unsigned timeLimitSeconds = 0);

}  // namespace zendal::test
