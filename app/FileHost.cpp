#include "app/FileHost.h"

#include <filesystem>

#include "app/AtomicFile.h"
#include "app/DocumentFile.h"
#include "app/EDocumentTooLarge.h"
#include "app/EFileOpen.h"
#include "app/EHostFailure.h"

namespace zendal {

FileHost::FileHost(const std::string& path)
    : fileName_(std::filesystem::absolute(path).lexically_normal().string()) {
    try {
        LoadedFile file{DocumentFile::Read(fileName_), {}};
        file.decoded = DocumentCodec::Decode(file.bytes);
        text_ = file.decoded.text;
        loaded_ = std::move(file);
    } catch (const EDocumentTooLarge& e) {
        loadFailure_ = e.Message();
        tooLarge_ = true;
    } catch (const EFileOpen& e) {
        loadFailure_ = e.Message();
    }
}

const FileHost::LoadedFile& FileHost::Document() const {
    if (!loaded_) {
        throw EHostFailure(loadFailure_);
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
