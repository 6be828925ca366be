#include "support/TestSupport.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace zendal::test {

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "zendal-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot make a temporary folder");
    }
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::filesystem::path TempDir::Write(const std::string& name, const std::string& bytes) const {
    std::filesystem::path file = path_ / name;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
    return file;
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::filesystem::path Fixture(const std::string& name) {
    return std::filesystem::path(ZENDAL_TEST_DATA_DIR) / name;
}

CliResult RunCli(const std::vector<std::string>& args, const std::string& input,
                 unsigned timeLimitSeconds) {
    TempDir io;
    std::filesystem::path inPath = io.Write("stdin", input);
    std::filesystem::path outPath = io.Path() / "stdout";
    std::filesystem::path errPath = io.Path() / "stderr";
    pid_t pid = fork();
    if (pid == 0) {
        int inFd = open(inPath.c_str(), O_RDONLY);
        int outFd = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        int errFd = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        dup2(inFd, 0);
        dup2(outFd, 1);
        dup2(errFd, 2);
        std::vector<char*> argv;
        std::string program = ZENDAL_CLI_PATH;
        argv.push_back(program.data());
        std::vector<std::string> copies(args);
        for (std::string& arg : copies) {
            argv.push_back(arg.data());
        }
        argv.push_back(nullptr);
        alarm(timeLimitSeconds);  // kept across exec; 0 sets no limit
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    CliResult result;
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    result.out = ReadFile(outPath);
    result.err = ReadFile(errPath);
    return result;
}

}  // namespace zendal::test
