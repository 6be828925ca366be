#include "keywords/KeyWordGenerator.h"

#include <cxxabi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>
#include <typeinfo>

#include "base/AsciiText.h"
#include "base/DocumentCodec.h"
#include "base/DocumentFile.h"
#include "base/EFileCreate.h"
#include "base/EFileOpen.h"
#include "base/ENoFile.h"
#include "base/ESettingsFailure.h"
#include "base/IntegerText.h"
#include "base/WordComparison.h"
#include "keywords/CharacterReference.h"
#include "keywords/HiddenContent.h"
#include "keywords/LanguageNoiseWords.h"
#include "keywords/NoiseWordFile.h"
#include "keywords/WordCounter.h"
#include "keywords/WordRule.h"

namespace zendal {

namespace {

// The size of the pieces in which a run parses and counts, reporting its progress after each.
constexpr std::size_t kPieceSize = 256 * 1024;

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

std::size_t CharacterCount(std::string_view text) {
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return !IsContinuationByte(c); }));
}

// The bytes of the first `characters` characters from `start`, never cutting one in two.
std::string_view FirstCharacters(std::string_view text, std::size_t start, long characters) {
    std::size_t end = start;
    for (long taken = 0; end < text.size() && taken < characters; ++taken) {
        ++end;
        while (end < text.size() && IsContinuationByte(text[end])) {
            ++end;
        }
    }
    return text.substr(start, end - start);
}

// The document file as text, its line breaks as they stand. Throws EFileOpen or
// EDocumentTooLarge.
std::string ReadDocument(const std::string& fileName) {
    const std::string bytes = DocumentFile::Read(fileName);
    return DocumentCodec::IsValidUtf8(bytes) ? bytes : DocumentCodec::Windows1252ToUtf8(bytes);
}

// The name of a failure's kind as the run reports it, "ENoFile" say.
std::string TypeName(const std::exception& error) {
    const char* mangled = typeid(error).name();
    int status = 0;
    char* demangled = abi::__cxa_demangle(mangled, nullptr, nullptr, &status);
    std::string name = (status == 0 && demangled != nullptr) ? demangled : mangled;
    std::free(demangled);
    if (name.starts_with("zendal::")) {
        name.erase(0, 8);
    }
    return name;
}

bool HoldsMoreThanBlanks(std::string_view text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) > 32; });
}

// The end of a piece of the text that starts at or after `from`: at a byte that no word
// crosses.
std::size_t PieceEnd(std::string_view text, std::size_t from) {
    while (from < text.size() && !WordRule::SeparatesWords(text[from])) {
        ++from;
    }
    return std::min(from, text.size());
}

bool Contains(const std::vector<std::string>& words, const std::string& word) {
    return std::any_of(words.begin(), words.end(),
                       [&word](const std::string& w) { return WordComparison::Equal(w, word); });
}

}  // namespace

std::string KeyWordRow::PercentOfTotal(char decimalPoint) const {
    if (countedWordTotal == 0) {
        return {};
    }
    char text[64];
    std::snprintf(text, sizeof text, "%.3f", static_cast<double>(count) / countedWordTotal * 100);
    std::string percent = text;
    std::replace(percent.begin(), percent.end(), '.', decimalPoint);
    return percent;
}

KeyWordGenerator::KeyWordGenerator(std::string programFolder, MessagePort& messages,
                                   StatusPort& status, SettingsStore* settings, HelpPort* help)
    : programFolder_(std::move(programFolder)),
      messages_(messages),
      status_(status),
      settings_(settings),
      help_(help) {
    ResetParser();
}

KeyWordGenerator::~KeyWordGenerator() = default;

void KeyWordGenerator::FormCreate() {
    topCount_ = kDefaultTopCount;
    if (settings_ == nullptr || !settings_->OpenKey(kSettingsKey) ||
        !settings_->ValueExists(kSettingsKey, kTopCountValue)) {
        return;
    }
    std::string stored = settings_->ReadString(kSettingsKey, kTopCountValue);
    if (!stored.empty()) {
        SetTopCount(IntegerText::Parse(stored));
    }
}

void KeyWordGenerator::SetTopCount(int topCount) {
    topCount_ = std::clamp(topCount, kMinTopCount, kMaxTopCount);
}

std::string KeyWordGenerator::NoiseWordFileName() const {
    return programFolder_ + NoiseWordFile::kFileName;
}

void KeyWordGenerator::SetLanguage(const std::string& languageField) {
    languageField_ = languageField;
    languageNoiseWordsLoaded_ = false;
}

bool KeyWordGenerator::Run(const std::string& fileName) {
    documentFileName_ = fileName;
    status_.SetBusyCursor(true);
    bool finished = true;
    // The noise words are loaded before the first stage; a failure there reports stage 0.
    int stage = 0;
    try {
        LoadNoiseWordsIfEmpty();
        if (!languageNoiseWordsLoaded_) {
            languageNoiseWords_ = LanguageNoiseWords::Load(programFolder_, languageField_);
            languageNoiseWordsLoaded_ = true;
        }
        stage = 1;
        std::string body = BodySpan(fileName);
        stage = 2;
        std::string collected = ExtractText(body);
        stage = 3;
        CountAndList(collected);
    } catch (const Cancelled&) {
        finished = false;
    } catch (const std::exception& error) {
        messages_.Failure(TypeName(error) + "\r" + error.what() + "\r" + std::to_string(stage));
    }
    if (progress_ != nullptr) {
        progress_->Finish();
    }
    status_.SetBusyCursor(false);
    return finished;
}

void KeyWordGenerator::Advance(std::size_t done) {
    if (progress_ != nullptr && !progress_->Advance(done, workTotal_)) {
        throw Cancelled{};
    }
}

void KeyWordGenerator::LoadNoiseWordsIfEmpty() {
    if (noiseWords_.empty()) {
        noiseWords_ = NoiseWordFile::Load(NoiseWordFileName());
    }
}

std::string KeyWordGenerator::BodySpan(const std::string& fileName) {
    if (fileName.empty()) {
        throw ENoFile("ERROR: Cannot Load Active File\rFile Name Missing");
    }
    std::error_code error;
    if (!std::filesystem::exists(fileName, error)) {
        throw ENoFile("ERROR: Cannot Load Active File: " + fileName +
                      " because it no longer exists!");
    }
    std::string text;
    try {
        text = ReadDocument(fileName);
    } catch (const ZendalError& unread) {  // EFileOpen or EDocumentTooLarge
        messages_.Error("ERROR: Cannot Load Active File: " + fileName + "\r\n" + unread.Message());
        return {};
    }
    std::size_t start = AsciiText::Find(text, "<BODY", 0);
    if (start == std::string::npos) {
        start = AsciiText::Find(text, "<FRAMESET", 0);
    }
    if (start == std::string::npos) {
        messages_.Failure(kNoBody);
        return {};
    }
    std::size_t end = AsciiText::Find(text, "</BODY>", start);
    if (end == std::string::npos) {
        end = AsciiText::Find(text, "</FRAMESET>", start);
    }
    if (end == std::string::npos) {
        return {};
    }
    // The span runs through the seventh character of the end tag, the length of "</BODY>".
    const long span =
        static_cast<long>(CharacterCount(std::string_view(text).substr(start, end - start))) + 7;
    if (span < bodyCheckLimit_) {
        // The whole span: the seven characters of either end tag's start are ASCII.
        bodyCheckLimit_ = static_cast<int>(span);
        return text.substr(start, end + 7 - start);
    }
    return std::string(FirstCharacters(text, start, bodyCheckLimit_));
}

void KeyWordGenerator::ResetParser() {
    Parser = std::make_unique<TXMLp>();
    Parser->SetFlushOnEOL(false);
    Parser->SetPreserveWhiteSpace(true);
    // So that a numeric character reference reaches ParserEvalEntity whole: "#233", "#xE9".
    Parser->SetExtraNameChars("#");
    Parser->OnBeginElement = [this](TXMLp& sender, std::string name) {
        ParserBeginElement(sender, name);
    };
    Parser->OnEndElement = [this](TXMLp& sender, std::string name) {
        ParserEndElement(sender, name);
    };
    Parser->OnEvalEntity = [this](TXMLp& sender, std::string name, std::string& value) {
        ParserEvalEntity(sender, name, value);
    };
    Parser->OnText = [this](TXMLp& sender, std::string text) { ParserText(sender, text); };
    Parser->OnEmptyElement = [this](TXMLp&, std::string) { ParserMarkup(); };
    Parser->OnComment = [this](TXMLp&, std::string) { ParserMarkup(); };
    Parser->OnMeta = [this](TXMLp&, std::string) { ParserMarkup(); };
    Parser->OnPI = [this](TXMLp&, std::string) { ParserMarkup(); };
    Parser->OnSpecialSection = [this](TXMLp&, std::string, std::string) { ParserMarkup(); };
}

std::string KeyWordGenerator::ExtractText(std::string_view body) {
    collectedText_.clear();
    afterText_ = false;
    // A run that failed here earlier left the parser inside its input: every run starts afresh.
    ResetParser();
    // The parser reads nothing after a byte 0, however its input is cut into pieces.
    body = body.substr(0, body.find('\0'));
    const std::string visible = HiddenContent::Remove(body);
    // Half the work is parsing the visible text, the other half counting the words.
    workTotal_ = 2 * visible.size();
    for (std::size_t at = 0; at < visible.size(); at += kPieceSize) {
        Parser->Parse(std::string_view(visible).substr(at, kPieceSize));
        Advance(std::min(at + kPieceSize, visible.size()));
    }
    Parser->EndOfInput(true);
    return std::move(collectedText_);
}

void KeyWordGenerator::ParserBeginElement(TXMLp&, const std::string&) {
    ParserMarkup();
}

void KeyWordGenerator::ParserEndElement(TXMLp& sender, const std::string& name) {
    ParserMarkup();
    if (AsciiText::Equals(name, "BODY")) {
        sender.EndOfInput(true);
    }
}

void KeyWordGenerator::ParserEvalEntity(TXMLp& sender, const std::string& name,
                                        std::string& value) {
    if (!sender.EntityInText()) {
        return;  // an attribute's value gives no words
    }
    // An unknown reference stays as written, as a browser shows it.
    if (std::optional<std::string> character =
            CharacterReference::Decode(name, value.ends_with(';'))) {
        value = *character;
    }
    // The parser handed the text before the reference over on its own; the reference's value
    // starts the next text, which goes on with the same word.
    if (afterText_ && collectedText_.ends_with('\n')) {
        collectedText_.pop_back();
    }
    afterText_ = false;
}

void KeyWordGenerator::ParserText(TXMLp&, const std::string& text) {
    collectedText_ += text;
    collectedText_ += '\n';
    afterText_ = true;
}

void KeyWordGenerator::ParserMarkup() {
    afterText_ = false;
}

void KeyWordGenerator::CountAndList(std::string_view collected) {
    WordCounter counter;
    for (const auto* list : {&noiseWords_, &languageNoiseWords_, &chosenKeyWords_}) {
        for (const std::string& word : *list) {
            counter.LeaveOut(word);
        }
    }
    const std::size_t parsed = workTotal_ / 2;
    for (std::size_t at = 0; at < collected.size();) {
        const std::size_t end = PieceEnd(collected, at + kPieceSize);
        counter.AddWords(collected.substr(at, end - at));
        at = end;
        Advance(parsed + static_cast<std::size_t>(static_cast<double>(parsed) * at /
                                                  static_cast<double>(collected.size())));
    }
    const int total = counter.Total();
    std::vector<CountedWord> sorted = counter.InSortKeyOrder();

    // Highest count first, equal counts in descending word order.
    std::vector<KeyWordRow> rows;
    const std::size_t shown = std::min(sorted.size(), static_cast<std::size_t>(topCount_));
    rows.reserve(shown);
    for (auto entry = sorted.rbegin(); rows.size() < shown; ++entry) {
        rows.push_back({std::move(entry->word), entry->count, total, false});
    }
    rows_ = std::move(rows);
    countedWordTotal_ = total;
}

std::string KeyWordGenerator::FormShow() {
    if (rows_.empty()) {
        messages_.Message(kNoUniqueWords);
    }
    return "Zendal Key word Generator - " + documentFileName_;
}

void KeyWordGenerator::FormClose(const std::string& edit1Text) {
    try {
        if (settings_ != nullptr && settings_->OpenKey(kSettingsKey) &&
            settings_->ValueExists(kSettingsKey, kTopCountValue)) {
            settings_->WriteString(kSettingsKey, kTopCountValue, edit1Text);
        }
    } catch (const ESettingsFailure& error) {
        messages_.Error(error.Message());
    }
}

std::string KeyWordGenerator::Edit1Change(int position) {
    SetTopCount(position);
    return GroupBox1Caption();
}

std::string KeyWordGenerator::GroupBox1Caption() const {
    return "These are the top " + std::to_string(topCount_) + " word occurences in the active file";
}

int KeyWordGenerator::MoveCheckedRowsTo(std::vector<std::string>& words) {
    int additions = 0;
    for (const KeyWordRow& row : rows_) {
        if (row.checked && !Contains(words, row.word)) {
            words.push_back(row.word);
            ++additions;
        }
    }
    std::erase_if(rows_, [](const KeyWordRow& row) { return row.checked; });
    return additions;
}

void KeyWordGenerator::SpeedButton1Click() {
    int additions = MoveCheckedRowsTo(chosenKeyWords_);
    messages_.Message(additions > 0 ? "Key Words words were added to the keywords tag"
                                    : "No words were added to the keywords tag");
}

std::optional<std::vector<std::string>> KeyWordGenerator::SpeedButton3Click(
    std::string_view memoText) {
    // Noise words that never loaded would be written over the file that holds them.
    try {
        LoadNoiseWordsIfEmpty();
    } catch (const ZendalError& error) {
        messages_.Error(error.Message());
        return std::nullopt;
    }
    int additions = MoveCheckedRowsTo(noiseWords_);
    std::optional<std::vector<std::string>> memoLines;
    if (HoldsMoreThanBlanks(memoText)) {
        memoLines = noiseWords_;
    }
    try {
        NoiseWordFile::Save(NoiseWordFileName(), noiseWords_);
    } catch (const EFileCreate& error) {
        messages_.Error(error.Message());
        return memoLines;
    }
    messages_.Message(additions > 0 ? "Words were added to the Noise Words list."
                                    : "No words were added to the Noise Words list.");
    return memoLines;
}

void KeyWordGenerator::SpeedButton2Click() {
    Run(documentFileName_);
}

std::optional<std::vector<std::string>> KeyWordGenerator::SpeedButton4Click(bool memoModified) {
    if (memoModified &&
        !messages_.AskYesNo(
            "Noise Words have been modified.\rOverwrite these values with the saved ones?")) {
        return std::nullopt;
    }
    try {
        LoadNoiseWordsIfEmpty();
    } catch (const ZendalError& error) {
        messages_.Error(error.Message());
        return std::nullopt;
    }
    return noiseWords_;
}

bool KeyWordGenerator::SpeedButton5Click(const std::vector<std::string>& memoLines) {
    noiseWords_ = memoLines;
    try {
        NoiseWordFile::Save(NoiseWordFileName(), noiseWords_);
    } catch (const EFileCreate& error) {
        messages_.Error(error.Message());
        return false;
    }
    return true;
}

void KeyWordGenerator::Button2Click() {
    if (help_ != nullptr) {
        help_->ShowContext(HelpContext::KeyWordGenerator);
    }
}

std::vector<std::string> KeyWordGenerator::MemoLines(std::string_view memoText) {
    return NoiseWordFile::SplitLines(memoText);
}

std::string KeyWordGenerator::MemoText(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += '\n';
    }
    return text;
}

}  // namespace zendal
