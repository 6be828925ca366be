#pragma once

#include <string>
#include <vector>

namespace zendal {

// What a spell check run uses of its dialog. The window implements it with real controls;
// zendal-cli and the tests use HeadlessSpellDialog. Texts are UTF-8.
class SpellDialogPort {
  public:
    virtual ~SpellDialogPort() = default;

    virtual void SetFoundLabel(const std::string& caption) = 0;  // lblFound
    virtual void SetCurrentWord(const std::string& word) = 0;    // edtCurWord
    virtual void SetReplacement(const std::string& text) = 0;    // edtWord
    virtual std::string Replacement() const = 0;
    virtual void SetSuggestions(const std::vector<std::string>& entries) = 0;  // lstSuggest
    // The languages that have a dictionary, and the one that the run uses.
    virtual void SetDictionaries(const std::vector<std::string>& languages,
                                 const std::string& current) = 0;
    virtual void FocusChange() = 0;
    // The focus goes to Change first, then to the replacement box.
    virtual void FocusReplacement() = 0;

    // Shows the window without blocking the others.
    virtual void ShowDialog() = 0;
    virtual void CloseDialog() = 0;
    virtual bool IsVisible() const = 0;
    virtual void BringToFront() = 0;
    virtual void SetBusyCursor(bool busy) = 0;

    virtual int ScreenHeight() const = 0;
    virtual int DialogHeight() const = 0;
    virtual int DialogTop() const = 0;
    // Puts the window's top at the given screen Y, centred horizontally on the screen.
    virtual void MoveDialog(int top) = 0;
    virtual void MoveMouseBy(int dy) = 0;
};

}  // namespace zendal
