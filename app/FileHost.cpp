#include "app/FileHost.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "app/AtomicFile.h"
#include "app/EHostFailure.h"

namespace zendal {

namespace {

// The whole file in one buffer, sized from the file's length; a file that grows meanwhile is
// still read to its end.
std::optional<std::string> ReadWholeFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return std::nullopt;
    }
    struct stat st;
    if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    std::string bytes(S_ISREG(st.st_mode) ? static_cast<std::size_t>(st.st_size) + 1 : 65536, '\0');
    std::size_t used = 0;
    for (;;) {
        if (used == bytes.size()) {
            bytes.resize(bytes.size() * 2);
        }
        const ssize_t n = ::read(fd, bytes.data() + used, bytes.size() - used);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0) {
            break;
        }
        used += static_cast<std::size_t>(n);
    }
    ::close(fd);
    bytes.resize(used);
    return bytes;
}

}  // namespace

FileHost::FileHost(const std::string& path)
    : fileName_(std::filesystem::absolute(path).lexically_normal().string()) {
    if (std::optional<std::string> bytes = ReadWholeFile(fileName_)) {
        LoadedFile file{std::move(*bytes), {}};
        file.decoded = DocumentCodec::Decode(file.bytes);
        loaded_ = std::move(file);
    }
}

const FileHost::LoadedFile& FileHost::Document() const {
    if (!loaded_) {
        throw EHostFailure("Cannot open file " + fileName_);
    }
    return *loaded_;
}

const std::string& FileHost::Text() {
    const LoadedFile& file = Document();
    if (edited_) {
        return *edited_;
    }
    return file.decoded.text;
}

void FileHost::InsertText(std::string text, bool) {
    if (text == Document().decoded.text) {
        edited_.reset();
    } else {
        edited_ = std::move(text);
    }
}

void FileHost::AddAppToolbutton(const std::string&, const std::string&, const std::string&,
                                const std::string&) {
    throw EHostFailure("A file has no tool bar");
}

const DocumentFormat& FileHost::Format() const {
    return Document().decoded.format;
}

bool FileHost::Modified() const {
    Document();
    return edited_.has_value();
}

std::string FileHost::EncodedBytes() const {
    const LoadedFile& file = Document();
    return edited_ ? DocumentCodec::Encode(*edited_, file.decoded.format) : file.bytes;
}

void FileHost::EncodeTo(const DocumentCodec::Sink& sink) const {
    const LoadedFile& file = Document();
    if (edited_) {
        DocumentCodec::EncodeInPieces(*edited_, file.decoded.format, sink);
    } else {
        sink(file.bytes);
    }
}

void FileHost::SaveTo(const std::string& path) const {
    Document();
    AtomicFile::Write(path, [this](const AtomicFile::Sink& sink) { EncodeTo(sink); });
}

}  // namespace zendal
