#include "base/WholeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <limits>

#include "base/EFileOpen.h"

namespace zendal {

namespace {

// Closes the descriptor on every way out.
struct Descriptor {
    int fd;
    ~Descriptor() {
        if (fd >= 0) {
            ::close(fd);
        }
    }
};

}  // namespace

std::string WholeFile::Read(const std::string& path) {
    std::uintmax_t size = 0;
    return *ReadAtMost(path, std::numeric_limits<std::uintmax_t>::max(), size);
}

std::optional<std::string> WholeFile::TryRead(const std::string& path) {
    try {
        return Read(path);
    } catch (const EFileOpen&) {
        return std::nullopt;
    }
}

std::optional<std::string> WholeFile::ReadAtMost(const std::string& path, std::uintmax_t mostBytes,
                                                 std::uintmax_t& size) {
    const Descriptor file{::open(path.c_str(), O_RDONLY | O_CLOEXEC)};
    struct stat st;
    if (file.fd < 0 || ::fstat(file.fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        throw EFileOpen(path);
    }
    if (S_ISREG(st.st_mode) && static_cast<std::uintmax_t>(st.st_size) > mostBytes) {
        size = static_cast<std::uintmax_t>(st.st_size);
        return std::nullopt;
    }
    // One buffer sized from the file's length, one byte more to see the end at once. A file
    // that grows meanwhile, or a pipe, is read to its end, up to one past the limit.
    std::string bytes(S_ISREG(st.st_mode) ? static_cast<std::size_t>(st.st_size) + 1 : 65536, '\0');
    std::size_t used = 0;
    for (;;) {
        if (used == bytes.size()) {
            bytes.resize(bytes.size() * 2);
        }
        const ssize_t n = ::read(file.fd, bytes.data() + used, bytes.size() - used);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            throw EFileOpen(path);
        }
        if (n == 0) {
            break;
        }
        used += static_cast<std::size_t>(n);
        if (used > mostBytes) {
            size = used;
            return std::nullopt;
        }
    }
    bytes.resize(used);
    size = used;
    return bytes;
}

}  // namespace zendal
