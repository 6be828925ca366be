#pragma once

#include <string>

namespace zendal {

// The host editor that holds the documents. Every member may throw EHostFailure (host not
// running, no active document, an error of the host); callers catch it and show their own fixed
// message. Text is UTF-8 with CR LF line breaks.
class Host {
  public:
    virtual ~Host() = default;

    // Members of the active document.
    virtual std::string FILENAME() = 0;  // full file name, or "MULT" when several are selected
    // The whole current text, unsaved changes included; it stays valid until the next call of a
    // member of the host, which a command run while the window processes its messages may make.
    virtual const std::string& Text() = 0;
    virtual void beginupdate() = 0;
    virtual void SelectAll() = 0;
    virtual void InsertText(std::string text, bool replaceSelection) = 0;
    virtual void endupdate() = 0;

    // Member of the host itself: puts a button that starts a program on one of its tool bars.
    virtual void AddAppToolbutton(const std::string& toolbar, const std::string& program,
                                  const std::string& iconFile, const std::string& hint) = 0;
};

}  // namespace zendal
