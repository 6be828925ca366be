#include "spell/TSpellDlg.h"

#include <filesystem>

#include "base/AsciiText.h"
#include "base/MessagePort.h"
#include "base/StatusPort.h"
#include "base/WholeFile.h"
#include "base/ZendalError.h"
#include "spell/CodePage437.h"
#include "spell/DictionaryLanguages.h"
#include "spell/HeadlessSpellDialog.h"
#include "spell/SpellEditControl.h"
#include "spell/TCEBuffer.h"
#include "spell/TDictionary.h"

namespace zendal {

namespace {

constexpr int kScreenMargin = 10;

bool IsFile(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

std::string Lower(const std::string& word) {
    return CodePage437::ToUtf8(AsciiText::Lower(CodePage437::FromUtf8(word)));
}

}  // namespace

// What one run remembers of its control and how far it got.
struct TSpellDlg::Run {
    Run(SpellEditControl& edit, MessagePort& messages) : control(edit), buffer(edit, messages) {}

    SpellEditControl& control;
    TCEBuffer buffer;
    int selStart = 0;
    int selLength = 0;
    bool hideSelection = false;
    bool wasModified = false;
    bool changed = false;
    bool cancelled = false;
    bool nothingChanged = true;
    std::string word;  // code page 437; set while waiting for an answer
    bool waiting = false;
    // The text changed while the run waited, perhaps without the modified flag (a program
    // setting the text clears it), so the word's place is no longer known.
    bool textChanged = false;
};

TSpellDlg::TSpellDlg(MessagePort& messages, std::string applicationPath)
    : messages_(messages),
      applicationPath_(std::move(applicationPath)),
      headlessDialog_(std::make_unique<HeadlessSpellDialog>()),
      dialog_(headlessDialog_.get()) {}

TSpellDlg::~TSpellDlg() = default;

void TSpellDlg::SetDialog(SpellDialogPort* dialog) {
    dialog_ = dialog ? dialog : headlessDialog_.get();
}

std::string TSpellDlg::WaitingWord() const {
    return run_ && run_->waiting ? CodePage437::ToUtf8(run_->word) : std::string();
}

std::string TSpellDlg::ResolvedDictionaryPath() const {
    // Only the placeholder is matched without letter case; a real folder keeps its spelling,
    // since file names here are case-sensitive.
    if (CodePage437::Upper(properties.dictionaryPath) == "APPLICATIONPATH") {
        return applicationPath_;
    }
    std::string path = properties.dictionaryPath;
    if (!path.empty() && path.back() != '/') {
        path += '/';
    }
    return path;
}

std::string TSpellDlg::DictionaryFile() const {
    std::string path = ResolvedDictionaryPath();
    if (language_ == DictionaryLanguages::kDefault) {
        return path + properties.dictionaryName;
    }
    return DictionaryLanguages::PathOf(language_, path);
}

void TSpellDlg::UsePageLanguage(const std::string& field) {
    if (pageLanguage_ == field) {
        return;
    }
    pageLanguage_ = field;
    DictionaryLanguages::Choice choice =
        DictionaryLanguages::ForPage(field, ResolvedDictionaryPath());
    language_ = choice.language;
    fellBack_ = choice.fellBack;
}

bool TSpellDlg::OpenDictionary() {
    std::string file = DictionaryFile();
    if (fellBack_ && status_ != nullptr) {
        status_->SetPanelText(StatusPort::MessagePanel,
                              DictionaryLanguages::FallbackNote(pageLanguage_.value_or("")));
    }
    try {
        if (!dictionary_) {
            dictionary_ = std::make_unique<TDictionary>(messages_);
        } else if (!dictionary_->DictionaryFiles().empty() &&
                   dictionary_->DictionaryFiles().front()->FileName() != file) {
            dictionary_->CloseDictionaryFiles();  // another language than the last run's
        }
        if (!dictionary_->OpenDictionary(file)) {
            dictionary_.reset();
            messages_.Error("Error opening dictionary " + file);
            return false;
        }
        if (!properties.userDictionary.empty()) {
            // One per user, in the program folder, whichever language's dictionary is open.
            bool hasFolder = std::filesystem::path(properties.userDictionary).has_parent_path();
            dictionary_->LoadUserDictionary(hasFolder ? properties.userDictionary
                                                      : ResolvedDictionaryPath() +
                                                            properties.userDictionary);
        }
        if (!properties.exclusionList.empty()) {
            dictionary_->LoadExclusionList(properties.exclusionList);
        }
    } catch (const ZendalError& e) {
        dictionary_.reset();
        messages_.Error(e.Message());
        return false;
    }
    if (!properties.autoCorrectList.empty()) {
        LoadAutoCorrect(ResolvedDictionaryPath());
    }
    dialog_->SetDictionaries(DictionaryLanguages::Available(ResolvedDictionaryPath()), language_);
    return true;
}

std::optional<int> TSpellDlg::ChooseDictionary(const std::string& language) {
    if (language.empty() || language == language_) {
        return std::nullopt;
    }
    language_ = language;
    fellBack_ = false;
    if (!dictionary_) {
        return std::nullopt;
    }
    // The user dictionary and its path stay.
    std::string file = DictionaryFile();
    dictionary_->CloseDictionaryFiles();
    bool opened = false;
    try {
        opened = dictionary_->OpenDictionary(file);
        if (!opened) {
            messages_.Error("Error opening dictionary " + file);
        }
    } catch (const ZendalError& e) {
        messages_.Error(e.Message());
    }
    if (!opened) {
        // Nothing to check with: the run ends as when the dictionary cannot be opened.
        dictionary_.reset();
        if (run_) {
            dialog_->CloseDialog();
            run_->cancelled = true;
            run_->waiting = false;
            return Finish();
        }
        return std::nullopt;
    }
    dialog_->SetDictionaries(DictionaryLanguages::Available(ResolvedDictionaryPath()), language_);
    if (!run_ || !run_->waiting) {
        return std::nullopt;
    }
    if (dictionary_->IsOemWord(run_->word)) {
        return Answer(kIgnore);
    }
    dialog_->SetReplacement(CodePage437::ToUtf8(run_->word));
    Suggest();
    dialog_->FocusReplacement();
    return std::nullopt;
}

void TSpellDlg::LoadAutoCorrect(const std::string& folder) {
    std::string path = properties.autoCorrectList;
    if (!IsFile(path)) {
        path = folder + properties.autoCorrectList;
    }
    if (!IsFile(path)) {
        messages_.Error(properties.autoCorrectList + " file not found.");
        return;
    }
    for (const auto& pair :
         SpellSessionLists::ReadAutoCorrectFile(WholeFile::TryRead(path).value_or(std::string()))) {
        lists_.AddChangeAll(pair.word, pair.replacement);
    }
}

void TSpellDlg::ShowDialogForRun() {
    dialog_->ShowDialog();
    if (properties.autoShift) {
        PlaceDialog(kScreenMargin);
    } else {
        dialog_->MoveDialog(dialog_->DialogTop());
    }
}

void TSpellDlg::PlaceDialog(int caretY) {
    int screenHeight = dialog_->ScreenHeight();
    int top = caretY > screenHeight / 2 ? kScreenMargin
                                        : screenHeight - dialog_->DialogHeight() - kScreenMargin;
    int oldTop = dialog_->DialogTop();
    dialog_->MoveDialog(top);
    if (top != oldTop) {
        dialog_->MoveMouseBy(top - oldTop);
    }
}

std::optional<int> TSpellDlg::CheckEdit(SpellEditControl& control) {
    if (run_) {
        dialog_->BringToFront();
        return std::nullopt;
    }
    lists_.ClearChangeAll();
    run_ = std::make_unique<Run>(control, messages_);
    Run& run = *run_;
    run.selStart = control.SelStart();
    run.selLength = control.SelLength();
    run.hideSelection = control.HideSelection();
    control.SetHideSelection(false);
    run.wasModified = control.Modified();
    control.SetModified(false);
    run.buffer.supportHTML = properties.supportHTML;

    if (!OpenDictionary()) {
        dialog_->CloseDialog();
        run.cancelled = true;
        return Finish();
    }
    if (properties.faster) {
        dialog_->SetFoundLabel(kWordFound);
        dialog_->SetCurrentWord(kScanning);
        dialog_->SetReplacement(kScanning);
    }
    ShowDialogForRun();
    dialog_->SetSuggestions({});
    return Continue();
}

std::optional<int> TSpellDlg::Continue() {
    Run& run = *run_;
    std::string word;
    do {
        dialog_->SetBusyCursor(true);
        if (run.control.Modified() || run.textChanged) {
            // The user typed into the control, or a word was replaced.
            run.textChanged = false;
            run.changed = true;
            run.buffer.LoadText();
            run.buffer.MoveToWordStart();
            // The changed flag keeps it; cleared, the next word does not load the text again.
            run.control.SetModified(false);
        }
        word = run.buffer.NextWord();
        if (word.size() > 1 && !run.buffer.DigitsOnly() && !dictionary_->IsOemWord(word)) {
            std::string text = CodePage437::ToUtf8(word);
            if (auto replacement = lists_.ChangeAllReplacement(text)) {
                run.buffer.SelectWord();
                ReplaceWord(*replacement);
                dialog_->SetSuggestions({});
                if (OnAutoCorrect) {
                    OnAutoCorrect(text, *replacement);
                }
                continue;
            }
            if (lists_.IsIgnored(text)) {
                continue;
            }
            dialog_->SetBusyCursor(false);
            run.buffer.SelectWord();
            if (!dialog_->IsVisible()) {
                ShowDialogForRun();
            }
            if (properties.autoShift) {
                PlaceDialog(run.buffer.CaretScreenY());
            }
            dialog_->SetFoundLabel(kNotFound);
            dialog_->SetCurrentWord(text);
            dialog_->SetReplacement(text);
            if (properties.autoSuggest) {
                Suggest();
            }
            dialog_->FocusReplacement();
            run.word = word;
            run.waiting = true;
            return std::nullopt;
        }
        if (!properties.faster) {
            dialog_->SetFoundLabel(kWordFound);
            dialog_->SetCurrentWord(CodePage437::ToUtf8(word));
            dialog_->SetReplacement(CodePage437::ToUtf8(word));
        }
    } while (!word.empty());
    return Finish();
}

void TSpellDlg::ReplaceWord(const std::string& replacement) {
    run_->buffer.ReplaceWord(replacement);
    // The buffer already holds the new text; the modified flag is left for the user's own
    // typing, which makes the loop read the text again.
    run_->changed = true;
    run_->control.SetModified(false);
}

std::optional<int> TSpellDlg::Answer(int result) {
    if (!run_ || !run_->waiting) {
        return std::nullopt;
    }
    run_->waiting = false;
    run_->textChanged = run_->buffer.TextChanged();
    if (result == kCancel) {
        dialog_->CloseDialog();
        run_->cancelled = true;
        return Finish();
    }
    Act(result);
    dialog_->SetSuggestions({});
    return Continue();
}

void TSpellDlg::Act(int result) {
    Run& run = *run_;
    std::string word = CodePage437::ToUtf8(run.word);
    switch (result) {
        case kChange:
        case kChangeAll: {
            run.changed = true;
            run.nothingChanged = false;
            std::string replacement = dialog_->Replacement();
            // A change of letter case alone is not applied. When the text changed meanwhile,
            // the word is not replaced at a place that may now hold other text: the scan goes
            // on from there and finds the word again if it is still there.
            if (Lower(replacement) != Lower(word)) {
                if (!run.textChanged) {
                    ReplaceWord(replacement);
                    dialog_->SetReplacement("");
                }
                if (result == kChangeAll) {
                    lists_.AddChangeAll(Lower(word), replacement);
                }
            }
            break;
        }
        case kIgnoreAll:
            lists_.IgnoreAll(word);
            break;
        case kAdd:
            if (dictionary_->IsWord(word)) {
                messages_.Message("\"" + word + "\" already in dictionary.");
            } else if (!properties.confirmAdd ||
                       messages_.AskYesNo("Add \"" + word + "\" to dictionary?")) {
                dictionary_->AddWord(word);
            }
            dialog_->FocusReplacement();
            break;
        default:  // Ignore
            break;
    }
}

int TSpellDlg::Finish() {
    Run& run = *run_;
    dialog_->SetBusyCursor(false);
    run.control.SetModified(run.changed || run.wasModified);
    if (dictionary_) {
        try {
            dictionary_->SaveUserDictionary();
        } catch (const ZendalError& e) {
            messages_.Error(e.Message());
        }
    }
    int result = run.cancelled ? kCancel : run.nothingChanged ? 0 : 1;
    if (properties.showCompletedDialog && !run.cancelled) {
        messages_.Message(result == 0 ? "No errors found. Spell checking complete..."
                                      : "Spell checking complete.");
    }
    dialog_->CloseDialog();
    run.control.SetSelection(run.selStart, run.selLength);
    run.control.SetHideSelection(run.hideSelection);
    run_.reset();
    if (OnRunEnded) {
        OnRunEnded(result);
    }
    return result;
}

void TSpellDlg::Suggest() {
    if (!dictionary_) {
        return;
    }
    dialog_->SetBusyCursor(true);
    std::vector<std::string> entries =
        ranked_ ? dictionary_->RankedSuggest(dialog_->Replacement(), properties.suggestions)
                : dictionary_->Suggest(dialog_->Replacement(), properties.suggestions);
    dialog_->SetSuggestions(entries);
    if (!entries.empty()) {
        dialog_->SetReplacement(entries.front());
    }
    dialog_->FocusChange();
    dialog_->SetBusyCursor(false);
}

bool TSpellDlg::IsQuickSuggestKey(int virtualKey) {
    // Backspace and Delete too, so that the list follows the box when letters are removed.
    constexpr int kBackspace = 0x08;
    constexpr int kDelete = 0x2E;
    return virtualKey == kBackspace || virtualKey == kDelete || virtualKey == 0x27 ||
           (virtualKey >= 0x30 && virtualKey <= 0x39) ||
           (virtualKey >= 0x41 && virtualKey <= 0x5A) ||
           (virtualKey >= 0x61 && virtualKey <= 0x7A) || (virtualKey >= 0x80 && virtualKey <= 0xA5);
}

void TSpellDlg::QuickSuggest(int virtualKey, bool modifierHeld) {
    if (modifierHeld || !IsQuickSuggestKey(virtualKey)) {
        return;
    }
    std::string typed = dialog_->Replacement();
    if (typed.empty() || !dictionary_) {
        dialog_->SetSuggestions({});
        return;
    }
    dialog_->SetSuggestions(dictionary_->CompleteWord(typed, properties.suggestions));
}

}  // namespace zendal
