#include "base/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "base/EFileCreate.h"

namespace zendal {

namespace {

bool WriteAll(int fd, std::string_view bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        written += static_cast<std::size_t>(n);
    }
    return true;
}

// Mode bits for the new file: those of the file it replaces, else what a plain create gives.
mode_t ModeFor(const std::filesystem::path& target) {
    struct stat st;
    if (::stat(target.c_str(), &st) == 0) {
        return st.st_mode & 07777;
    }
    mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

void AtomicFile::Write(const std::string& path, std::string_view bytes) {
    Write(path, [bytes](const Sink& sink) { sink(bytes); });
}

void AtomicFile::Write(const std::string& path, const std::function<void(const Sink&)>& produce) {
    std::filesystem::path target = std::filesystem::absolute(path);
    std::error_code error;
    if (std::filesystem::is_symlink(target, error)) {
        std::filesystem::path resolved = std::filesystem::weakly_canonical(target, error);
        if (!error) {
            target = resolved;
        }
    }
    std::string name = ".";
    name += target.filename().string();
    name += ".XXXXXX";
    std::string temporary = (target.parent_path() / name).string();
    int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        throw EFileCreate(path);
    }
    bool ok = true;
    try {
        // After a failed write the rest is not tried.
        produce([&](std::string_view piece) { ok = ok && WriteAll(fd, piece); });
    } catch (...) {
        ::close(fd);
        ::unlink(temporary.c_str());
        throw;
    }
    ok = ok && ::fchmod(fd, ModeFor(target)) == 0 && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (!ok || ::rename(temporary.c_str(), target.c_str()) != 0) {
        ::unlink(temporary.c_str());
        throw EFileCreate(path);
    }
}

}  // namespace zendal
