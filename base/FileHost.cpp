#include "base/FileHost.h"

#include <filesystem>

#include "base/AtomicFile.h"
#include "base/DocumentFile.h"
#include "base/EDocumentTooLarge.h"
#include "base/EFileOpen.h"
#include "base/EHostFailure.h"

namespace zendal {

FileHost::FileHost(const std::string& path)
    : fileName_(std::filesystem::absolute(path).lexically_normal().string()) {
    try {
        LoadedFile file{DocumentFile::Read(fileName_), {}};
        file.decoded = DocumentCodec::Decode(file.bytes);
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
