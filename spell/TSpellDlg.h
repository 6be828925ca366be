#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/HelpContext.h"
#include "spell/SpellSessionLists.h"

namespace zendal {

class MessagePort;
class SpellDialogPort;
class SpellEditControl;
class StatusPort;
class TCEBuffer;
class TDictionary;

// The spell checker of the main window: it walks an edit control's text word by word, asks the
// dictionaries about each word and, for each word they do not hold, shows its dialog and waits
// for the user's answer. A run is a state machine: CheckEdit runs up to the first word that
// needs an answer and returns; each Answer runs on to the next one. Nothing here waits, so the
// windows stay usable and a run can be driven headless.
class TSpellDlg {
  public:
    // The dialog's results.
    static constexpr int kCancel = 2;
    static constexpr int kChange = 20;
    static constexpr int kAdd = 21;
    static constexpr int kIgnore = 22;
    static constexpr int kIgnoreAll = 23;
    static constexpr int kChangeAll = 24;

    enum class AccentIcon { acSpanish };

    // The properties, with the values that the main window's checker uses.
    struct Properties {
        std::string dictionaryName = "zendal.dct";
        // APPLICATIONPATH stands for the program folder.
        std::string dictionaryPath = "APPLICATIONPATH";
        std::string userDictionary = "CUSTOM.DCT";
        std::string autoCorrectList = "autofix.txt";
        std::string exclusionList;
        int suggestions = 15;  // 1 to 255
        bool supportHTML = true;
        bool autoSuggest = true;
        bool autoShift = true;
        bool confirmAdd = true;
        bool faster = true;
        bool showCompletedDialog = false;
        bool showGlyphs = true;
        std::vector<AccentIcon> accentIcons = {AccentIcon::acSpanish};
        HelpContext helpContext = HelpContext::Contents;
        std::string fontName = "MS Sans Serif";
        int fontPoints = 8;
        bool fontBold = true;
    };

    static constexpr const char* kNotFound = "Not found:";
    static constexpr const char* kWordFound = "Word found:";
    static constexpr const char* kScanning = "  ...  ";

    // applicationPath: the program folder, with a trailing separator.
    TSpellDlg(MessagePort& messages, std::string applicationPath);
    ~TSpellDlg();
    TSpellDlg(const TSpellDlg&) = delete;
    TSpellDlg& operator=(const TSpellDlg&) = delete;

    // The dialog that runs show (a headless one when none is set); it must outlive the runs.
    void SetDialog(SpellDialogPort* dialog);
    SpellDialogPort& dialog() { return *dialog_; }
    // Takes effect at the next run.
    void SetApplicationPath(std::string path) { applicationPath_ = std::move(path); }
    // Where the note goes when a page's language has no dictionary (the message panel).
    void SetStatus(StatusPort* status) { status_ = status; }

    // The dictionary for the page's language field, from the next run on (see
    // DictionaryLanguages::ForPage). While the field stays the same, a dictionary that the user
    // picked in the dialog stays in use.
    void UsePageLanguage(const std::string& field);
    // The user's pick in the dialog: the run goes on with that language's dictionary; the word
    // waiting for an answer passes when it holds it, else gets its suggestions again.
    std::optional<int> ChooseDictionary(const std::string& language);
    const std::string& Language() const { return language_; }
    // The ranked list (true) or the sound-alike list (false) for Suggest.
    void SetRankedSuggestions(bool ranked) { ranked_ = ranked; }
    bool RankedSuggestions() const { return ranked_; }

    // Starts a run over the control's whole text. Returns its result (0 nothing changed, 1
    // words changed, 2 cancelled or no dictionary) when it ends without asking, else nothing:
    // it waits for Answer. While a run is open, a second one is refused and the dialog comes
    // to the front instead.
    std::optional<int> CheckEdit(SpellEditControl& control);
    // The user's choice for the word shown; returns the run's result when that ended it.
    std::optional<int> Answer(int result);
    // The dialog was closed without a button: Cancel.
    std::optional<int> DialogClosed() { return Answer(kCancel); }
    bool Running() const { return run_ != nullptr; }
    // The word waiting for an answer (UTF-8), empty when none.
    std::string WaitingWord() const;

    // The dialog's Suggest button: suggestions for the replacement box's text.
    void Suggest();
    // A key released in the replacement box: completions of its text, when the key (a Windows
    // virtual-key code) is one of the word keys and no Shift, Ctrl or Alt is held.
    void QuickSuggest(int virtualKey, bool modifierHeld);
    static bool IsQuickSuggestKey(int virtualKey);

    // Every automatic replacement made without asking (from the change-all pairs).
    std::function<void(const std::string& word, const std::string& replacement)> OnAutoCorrect;
    // The end of every run, with its result.
    std::function<void(int result)> OnRunEnded;

    Properties properties;
    SpellSessionLists& lists() { return lists_; }
    TDictionary* dictionary() { return dictionary_.get(); }

  private:
    struct Run;

    bool OpenDictionary();
    std::string DictionaryFile() const;
    void LoadAutoCorrect(const std::string& folder);
    std::string ResolvedDictionaryPath() const;
    void ShowDialogForRun();
    void PlaceDialog(int caretY);
    // Runs the loop up to the next word to ask about, or to the end.
    std::optional<int> Continue();
    void Act(int result);
    void ReplaceWord(const std::string& replacement);
    int Finish();

    MessagePort& messages_;
    std::string applicationPath_;
    std::unique_ptr<SpellDialogPort> headlessDialog_;
    SpellDialogPort* dialog_ = nullptr;
    std::unique_ptr<TDictionary> dictionary_;
    SpellSessionLists lists_;
    std::unique_ptr<Run> run_;
    StatusPort* status_ = nullptr;
    std::string language_ = "en-us";
    std::optional<std::string> pageLanguage_;  // the field of the last UsePageLanguage
    bool fellBack_ = false;
    bool ranked_ = true;
};

}  // namespace zendal
