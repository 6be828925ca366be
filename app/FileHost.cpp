#include "app/FileHost.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/AtomicFile.h"
#include "app/EHostFailure.h"

namespace zendal {

namespace {

std::optional<std::string> ReadWholeFile(const std::string& path) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        return std::nullopt;
    }
    return bytes;
}

}  // namespace

FileHost::FileHost(const std::string& path)
    : fileName_(std::filesystem::absolute(path).lexically_normal().string()) {
    if (std::optional<std::string> bytes = ReadWholeFile(fileName_)) {
        LoadedFile file{std::move(*bytes), {}};
        file.decoded = DocumentCodec::Decode(file.bytes);
        text_ = file.decoded.text;
        loaded_ = std::move(file);
    }
}

const FileHost::LoadedFile& FileHost::Document() const {
    if (!loaded_) {
        throw EHostFailure("Cannot open file " + fileName_);
    }
    return *loaded_;
}

std::string FileHost::Text() {
    Document();
    return text_;
}

void FileHost::InsertText(const std::string& text, bool) {
    Document();
    text_ = text;
}

void FileHost::AddAppToolbutton(const std::string&, const std::string&, const std::string&,
                                const std::string&) {
    throw EHostFailure("A file has no tool bar");
}

const DocumentFormat& FileHost::Format() const {
    return Document().decoded.format;
}

bool FileHost::Modified() const {
    return text_ != Document().decoded.text;
}

std::string FileHost::EncodedBytes() const {
    const LoadedFile& file = Document();
    if (text_ == file.decoded.text) {
        return file.bytes;
    }
    return DocumentCodec::Encode(text_, file.decoded.format);
}

void FileHost::SaveTo(const std::string& path) const {
    AtomicFile::Write(path, EncodedBytes());
}

}  // namespace zendal
