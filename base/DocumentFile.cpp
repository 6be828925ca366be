#include "base/DocumentFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "base/EDocumentTooLarge.h"
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

std::string DocumentFile::Read(const std::string& fileName) {
    const Descriptor file{::open(fileName.c_str(), O_RDONLY | O_CLOEXEC)};
    struct stat st;
    if (file.fd < 0 || ::fstat(file.fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        throw EFileOpen(fileName);
    }
    if (S_ISREG(st.st_mode) && static_cast<std::uintmax_t>(st.st_size) > kMostBytes) {
        throw EDocumentTooLarge(fileName, static_cast<std::uintmax_t>(st.st_size));
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
            throw EFileOpen(fileName);
        }
        if (n == 0) {
            break;
        }
        used += static_cast<std::size_t>(n);
        if (used > kMostBytes) {
            throw EDocumentTooLarge(fileName, used);
        }
    }
    bytes.resize(used);
    return bytes;
}

}  // namespace zendal
