#pragma once

#include <string>
#include <vector>

#include "spell/SpellDialogPort.h"

namespace zendal {

// A spelling dialog without a window: it keeps what the run shows, for zendal-cli and tests.
class HeadlessSpellDialog : public SpellDialogPort {
  public:
    void SetFoundLabel(const std::string& caption) override { foundLabel = caption; }
    void SetCurrentWord(const std::string& word) override { currentWord = word; }
    void SetReplacement(const std::string& text) override { replacement = text; }
    std::string Replacement() const override { return replacement; }
    void SetSuggestions(const std::vector<std::string>& entries) override { suggestions = entries; }
    void SetDictionaries(const std::vector<std::string>& languages,
                         const std::string& current) override {
        dictionaries = languages;
        dictionary = current;
    }
    void FocusChange() override { focus = "btnReplace"; }
    void FocusReplacement() override { focus = "edtWord"; }
    void ShowDialog() override { visible = true; }
    void CloseDialog() override { visible = false; }
    bool IsVisible() const override { return visible; }
    void BringToFront() override { ++broughtToFront; }
    void SetBusyCursor(bool isBusy) override { busy = isBusy; }
    int ScreenHeight() const override { return screenHeight; }
    int DialogHeight() const override { return dialogHeight; }
    int DialogTop() const override { return top; }
    void MoveDialog(int newTop) override { top = newTop; }
    void MoveMouseBy(int dy) override { mouseMoved += dy; }

    std::string foundLabel;
    std::string currentWord;
    std::string replacement;
    std::vector<std::string> suggestions;
    std::vector<std::string> dictionaries;
    std::string dictionary;
    std::string focus;
    bool visible = false;
    bool busy = false;
    int broughtToFront = 0;
    int screenHeight = 768;
    int dialogHeight = 270;
    int top = 0;
    int mouseMoved = 0;
};

}  // namespace zendal
