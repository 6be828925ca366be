#pragma once

#include <optional>
#include <string>

#include "base/DocumentCodec.h"
#include "base/Host.h"

namespace zendal {

// The host of zendal-cli: one file from disk is the active document. Its text is decoded when
// the file is loaded and encoded back in the file's own encoding and line-break style when it is
// saved; it is saved only when asked, through a temporary file renamed over the original.
class FileHost : public Host {
  public:
    // Loads the file; a file that cannot be read or is too large makes Text() throw
    // EHostFailure.
    explicit FileHost(const std::string& path);

    std::string FILENAME() override { return fileName_; }  // the absolute path
    const std::string& Text() override;
    void beginupdate() override {}
    void SelectAll() override {}
    // Replaces the whole text.
    void InsertText(std::string text, bool replaceSelection) override;
    void endupdate() override {}
    // A file has no tool bar: always throws EHostFailure.
    void AddAppToolbutton(const std::string& toolbar, const std::string& program,
                          const std::string& iconFile, const std::string& hint) override;

    bool Loaded() const { return loaded_.has_value(); }
    // Why the file was not loaded: "Cannot open file ...", or the refusal of a file larger
    // than the most that Zendal opens (then TooLarge() is true). Empty when it was loaded.
    const std::string& LoadFailure() const { return loadFailure_; }
    bool TooLarge() const { return tooLarge_; }
    const DocumentFormat& Format() const;
    // Whether the text differs from what was loaded.
    bool Modified() const;
    // The current text as the file would hold it. An unchanged document gives back the bytes
    // it was loaded from.
    std::string EncodedBytes() const;
    // The same bytes handed to sink piece by piece, never all in memory at once.
    void EncodeTo(const DocumentCodec::Sink& sink) const;
    // Writes EncodedBytes() to a temporary file beside path and renames it over path (a symbolic
    // link stays a link and its target is replaced). Throws EFileCreate.
    void SaveTo(const std::string& path) const;
    void Save() const { SaveTo(fileName_); }

  private:
    struct LoadedFile {
        std::string bytes;  // as read from disk
        DocumentCodec::Decoded decoded;
    };

    const LoadedFile& Document() const;

    std::string fileName_;
    std::optional<LoadedFile> loaded_;
    // The current text, held only while it differs from the loaded one.
    std::optional<std::string> edited_;
    std::string loadFailure_;
    bool tooLarge_ = false;
};

}  // namespace zendal
