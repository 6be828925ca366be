#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/HelpPort.h"
#include "base/MessagePort.h"
#include "base/SettingsStore.h"
#include "base/StatusPort.h"
#include "keywords/RunProgress.h"
#include "keywords/TXMLp.h"

namespace zendal {

// One row of the key word window's list.
struct KeyWordRow {
    std::string word;
    int count = 0;
    int countedWordTotal = 0;  // the denominator of the percentage
    bool checked = false;

    // The second column: the count in decimal.
    std::string Occurences() const { return std::to_string(count); }
    // The third column: count / total * 100 with three decimals, empty when the total is 0.
    std::string PercentOfTotal(char decimalPoint = '.') const;
};

// The key word window without its widgets: the generation run that counts the words at the
// start of a document's body, the list it fills, the chosen key words and the noise words. The
// window lives for one command; its handlers delegate here.
//
// Body text is what a reader sees of the page: comments and the contents of script, style,
// noscript and template elements are left out, character references are read as the characters
// they stand for, and the text is cut into words by WordRule. The noise words are the user's
// list srexclude.txt and the list of the page's language (LanguageNoiseWords).
class KeyWordGenerator {
  public:
    static constexpr const char* kSettingsKey = "Software\\VELQ\\Zendal";
    static constexpr const char* kTopCountValue = "kwgcount";
    static constexpr int kDefaultTopCount = 25;
    static constexpr int kMinTopCount = 0;  // the range of the spin control
    static constexpr int kMaxTopCount = 300;

    static constexpr const char* kNoUniqueWords =
        "No unique words were found in the number of characters that you specified in the body "
        "check count, go to 'Edit Rules on the Optional Analysis page ' to change settings if you "
        "wish";
    static constexpr const char* kNoBody =
        "Body or FrameSet tag not found, cannot generate key words";

    // programFolder ends with a separator; settings may be null (no stored top count).
    KeyWordGenerator(std::string programFolder, MessagePort& messages, StatusPort& status,
                     SettingsStore* settings, HelpPort* help);
    ~KeyWordGenerator();

    // Reads the stored top count, clamped into the spin control's range. Throws EConvertError
    // when it is not a whole number, ESettingsFailure when it cannot be read.
    void FormCreate();

    void SetBodyCheckLimit(int limit) { bodyCheckLimit_ = limit; }
    int BodyCheckLimit() const { return bodyCheckLimit_; }
    void SetTopCount(int topCount);
    int TopCount() const { return topCount_; }
    // The page's language field, which picks the language's noise words for the next run.
    void SetLanguage(const std::string& languageField);
    // Shown how far a run has come, and asked whether to go on; none when null.
    void SetProgress(RunProgress* progress) { progress_ = progress; }

    // The generation run for a document file: body span, text extraction, counting and
    // listing. A failure is shown with its type name, message and stage; the list then keeps
    // its rows, as it does when the user cancels the run. False when the run was cancelled.
    bool Run(const std::string& fileName);

    // Handlers of the window.
    // Shows the "No unique words" message when the list is empty; returns the window caption.
    std::string FormShow();
    // Stores the spin control's text as the top count when the value exists; a refused write
    // is shown.
    void FormClose(const std::string& edit1Text);
    // The spin control moved; returns the new caption of GroupBox1.
    std::string Edit1Change(int position);
    std::string GroupBox1Caption() const;
    void SpeedButton1Click();  // Add Checked to Key Words
    // Add Checked to Noise Words. Returns the lines that replace nwMemo's when it holds more
    // than blanks and control characters.
    std::optional<std::vector<std::string>> SpeedButton3Click(std::string_view memoText);
    void SpeedButton2Click();  // Refresh List
    // Load Noise Words; returns the lines for nwMemo, or nothing when the user kept the memo
    // or the file could not be read.
    std::optional<std::vector<std::string>> SpeedButton4Click(bool memoModified);
    // Save Noise Words; false when the file could not be written (the memo stays modified).
    bool SpeedButton5Click(const std::vector<std::string>& memoLines);
    void Button2Click();  // Help

    const std::vector<KeyWordRow>& Rows() const { return rows_; }
    void SetChecked(std::size_t row, bool checked) { rows_.at(row).checked = checked; }
    const std::vector<std::string>& ChosenKeyWords() const { return chosenKeyWords_; }
    const std::vector<std::string>& NoiseWords() const { return noiseWords_; }
    // The noise words of the page's language, loaded by the first run after SetLanguage.
    const std::vector<std::string>& PageLanguageNoiseWords() const { return languageNoiseWords_; }
    const std::string& DocumentFileName() const { return documentFileName_; }
    int CountedWordTotal() const { return countedWordTotal_; }
    std::string NoiseWordFileName() const;

    // The lines of a memo's text, and the memo text that shows lines.
    static std::vector<std::string> MemoLines(std::string_view memoText);
    static std::string MemoText(const std::vector<std::string>& lines);

  private:
    // The user cancelled the run.
    struct Cancelled {};

    std::string BodySpan(const std::string& fileName);
    std::string ExtractText(std::string_view body);
    void CountAndList(std::string_view collected);
    void ResetParser();
    void LoadNoiseWordsIfEmpty();
    // Reports progress; throws Cancelled when the user asked to stop.
    void Advance(std::size_t done);
    // Appends the checked rows' words that the list does not hold yet, removes the checked
    // rows, and returns the number appended.
    int MoveCheckedRowsTo(std::vector<std::string>& words);

    void ParserBeginElement(TXMLp& sender, const std::string& name);
    void ParserEndElement(TXMLp& sender, const std::string& name);
    void ParserEvalEntity(TXMLp& sender, const std::string& name, std::string& value);
    void ParserText(TXMLp& sender, const std::string& text);
    // Any other markup: ends the text before it.
    void ParserMarkup();

    std::string programFolder_;
    MessagePort& messages_;
    StatusPort& status_;
    SettingsStore* settings_;
    HelpPort* help_;
    RunProgress* progress_ = nullptr;

    std::unique_ptr<TXMLp> Parser;
    std::string documentFileName_;
    int topCount_ = kDefaultTopCount;
    int bodyCheckLimit_ = 0;
    int countedWordTotal_ = 0;
    std::string collectedText_;
    // The last parser event was text: a character reference next continues its last word.
    bool afterText_ = false;
    // The work of the running run, for its progress: the bytes to parse and those to count.
    std::size_t workTotal_ = 0;
    std::vector<std::string> noiseWords_;
    std::string languageField_;
    bool languageNoiseWordsLoaded_ = false;
    std::vector<std::string> languageNoiseWords_;
    std::vector<std::string> chosenKeyWords_;
    std::vector<KeyWordRow> rows_;
};

}  // namespace zendal
