#include "analysis/MetaTagAnalysis.h"

#include <algorithm>
#include <unordered_map>

#include "base/AsciiText.h"
#include "base/CommaText.h"
#include "base/IntegerText.h"
#include "base/LineBuffer.h"
#include "base/WordComparison.h"
#include "keywords/CharacterReference.h"
#include "keywords/HiddenContent.h"
#include "keywords/WordRule.h"

namespace zendal {

namespace {

const char* const kRule =
    " ------------------------------------------------------------------------------------";

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Characters, not bytes; a line break counts as CR LF.
long CharacterCount(std::string_view text) {
    std::string crlf = LineBuffer::ToCRLF(text);
    return static_cast<long>(
        std::count_if(crlf.begin(), crlf.end(), [](char c) { return !IsContinuationByte(c); }));
}

bool IsSkippedWord(const std::string& word) {
    return word.empty() || word == " " || word == "\n" || word == "\r" || word == "\r\n";
}

}  // namespace

MetaTagAnalysis::MetaTagAnalysis(Wizard& wizard) : wizard_(wizard) {}

std::string MetaTagAnalysis::Notice() {
    return std::string("Zendal ") + ZENDAL_VERSION + ", the metadata composer";
}

std::string MetaTagAnalysis::ReportText() const {
    std::string text;
    for (const std::string& line : report_) {
        text += line;
        text += "\r\n";
    }
    return text;
}

void MetaTagAnalysis::AppendLines(std::initializer_list<const char*> lines) {
    for (const char* line : lines) {
        Append(line);
    }
}

void MetaTagAnalysis::SpeedButton1Click() {
    if (showAnalysisPage) {
        showAnalysisPage();
    }
    int repetitionLimit;
    try {
        repetitionLimit = IntegerText::Parse(wizard_.ruleBase.keywordsR);
    } catch (const EConvertError& e) {
        wizard_.messages.Error(e.Message());
        return;
    }
    wizard_.status.SetBusyCursor(true);
    report_.clear();
    try {
        Append("Trelvo Meta Tag Analysis - " + Notice());
        AppendLines({"", "1) Key Word Repetition (Spamming) and Usage Check", kRule,
                     " Checks for key word repetition in keywords meta tag. This check",
                     " is important because it prevents you from disqualifying your page",
                     " from search engines because of suspected spamming. Most Engines will",
                     " look at repeating of words past 6 as a tactic of increasing relevancy",
                     " on a topic that you would not score high on normally. Basically",
                     " cheating! If you fail this check your page may be rejected from the",
                     " engine or the tag may be disqualified. In Short, it will adversely ",
                     " affect your search engine findability! ", "", ""});

        long n = CharacterCount(wizard_.fields.edit22);
        int k = IntegerText::Parse(wizard_.ruleBase.keywords);
        if (2.0 * n < k || n > k) {
            Append(" REPORT: Warning, You are not using the Key words tag effectively");
        } else {
            Append(" REPORT: You are using the Key words tag effectively");
        }
        Append(" You are using: " + std::to_string(n) + " Characters");
        Append(" You can use up to " + wizard_.ruleBase.keywords + " Characters");
        AppendLines({"", "", ""});

        std::vector<KeyWord> keyWords = CheckRepetition(repetitionLimit);
        AppendLines(
            {"2) Check for the usage of Key words in the description meta tag and description "
             "usage",
             kRule, " Checks for key word usage in the description meta tag. This is a common ",
             " method used to determine if your page is actually about the information in",
             " your key words. This check should pass or you need to change the description",
             " meta tag to include keywords!", "", ""});
        CheckDescription(keyWords);
        CheckBody(keyWords);
    } catch (const EConvertError& e) {
        wizard_.messages.Error(e.Message());
    }
    wizard_.status.SetBusyCursor(false);
    wizard_.status.SetSimpleText("Meta Tag Analysis is complete, Ready");
}

std::vector<MetaTagAnalysis::KeyWord> MetaTagAnalysis::CheckRepetition(int repetitionLimit) {
    std::vector<std::string> words = CommaText::Split(wizard_.fields.edit22);
    // Positions of each word, grouped by its spelling with a to z upper-cased.
    std::unordered_map<std::string, std::vector<std::size_t>> positionsByUpper;
    for (std::size_t i = 0; i < words.size(); ++i) {
        positionsByUpper[AsciiText::Upper(words[i])].push_back(i);
    }
    std::vector<KeyWord> distinct;
    std::unordered_map<std::string, std::size_t> seen;  // sort key -> index in distinct
    bool repeated = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (!seen.emplace(WordComparison::SortKey(words[i]), distinct.size()).second) {
            continue;
        }
        distinct.push_back({words[i], 1});
        if (i + 1 == words.size()) {
            continue;
        }
        const std::vector<std::size_t>& same = positionsByUpper[AsciiText::Upper(words[i])];
        distinct.back().count += same.end() - std::upper_bound(same.begin(), same.end(), i);
        if (distinct.back().count > repetitionLimit) {
            repeated = true;
            Append("");
            Append("WARNING! Keyword " + words[i] + " is repeated " +
                   std::to_string(distinct.back().count) +
                   " times throughout keywords. Keywords Tag will be disqualified!");
            Append("");
        }
    }
    if (!repeated) {
        AppendLines({"", " INFO: The Key Words Passed The Repetition Check!", "", "", ""});
    }
    return distinct;
}

void MetaTagAnalysis::CheckDescription(const std::vector<KeyWord>& keyWords) {
    if (!keyWords.empty()) {
        const WordSequence description(CharacterReference::DecodeAll(wizard_.fields.edit1));
        if (!description.Empty()) {
            bool found = std::any_of(keyWords.begin(), keyWords.end(), [&](const KeyWord& k) {
                return description.Count(k.word) > 0;
            });
            Append(found ? " Description Tag Passes: Keywords found in page description."
                         : " WARNING! Keywords not found in page description.");
        }
    }
    long d = CharacterCount(wizard_.fields.edit1);
    int l = IntegerText::Parse(wizard_.ruleBase.description);
    Append(d != l ? " REPORT: Warning, You are not using the Description tag effectively"
                  : " REPORT: You are using the Description tag effectively");
    Append(" You are using: " + std::to_string(d) + " Characters");
    Append(" You can use up to " + wizard_.ruleBase.description + " Characters");
    Append("");
}

void MetaTagAnalysis::CheckBody(const std::vector<KeyWord>& keyWords) {
    int bodyCheckCount = IntegerText::Parse(wizard_.ruleBase.bodychk);
    std::string documentText;
    try {
        documentText = wizard_.RequireHost().Text();
    } catch (const std::exception&) {
        wizard_.messages.Failure("Could not Load File, Error 101!");
        return;
    }
    // The working copy lives in the hidden buffer, as with every user of it.
    wizard_.htmlrichedit.Clear();
    wizard_.htmlrichedit.AppendText(documentText);
    const std::string& working = wizard_.htmlrichedit.WholeText();

    BodyRange range = FindBodyRange(working, bodyCheckCount);
    std::string_view body = std::string_view(working).substr(range.start, range.end - range.start);
    long checked = CharacterCount(body);
    const WordSequence bodyWords = BodyWords(working, range);

    AppendLines(
        {"", "", "", "3) Check Body Text for Key Word Usage & Counts", kRule,
         " Checks for key word usage in the document. THIS IS THE MOST IMPORTANT CHECK  ",
         " THAT YOU NEED TO PASS. If the search engine finds no reference in your document ",
         " for your key words you will most likely score low in the search engines for ",
         " your meta tag values! It is recommended that your target keywords are used at",
         " least Five (5) times. Output will be formatted: Key word - Count", "",
         "* The next line tells you how deep into the document Trelvo will search."});
    Append("- Checking the first " + std::to_string(checked) + " characters of the body text.");
    Append("");
    for (const KeyWord& keyWord : keyWords) {
        if (IsSkippedWord(keyWord.word)) {
            continue;
        }
        long hits = bodyWords.Count(keyWord.word);
        Append(std::string(AsciiText::Trim(keyWord.word)) + " - " + std::to_string(hits) + " ");
    }
    AppendLines({"", "", "[Information]", "",
                 "These checks were formulated based on the latest rules put forth by the search "
                 "engines and good publishing standards.",
                 "These rules can change, please check back with VELQ on a monthly basis to see if "
                 "there are updates!"});
}

MetaTagAnalysis::BodyRange MetaTagAnalysis::FindBodyRange(std::string_view text,
                                                          long bodyCheckCount) {
    BodyRange range;
    std::size_t bodyTag = AsciiText::Find(text, "<body", 0);
    if (bodyTag != std::string_view::npos) {
        range.start = bodyTag + 5;
    } else {
        std::size_t headEnd = AsciiText::Find(text, "</head>", 0);
        range.start = headEnd == std::string_view::npos ? 0 : headEnd + 7;
    }
    std::size_t bodyEnd = AsciiText::Find(text, "</body>", range.start);
    std::size_t end = bodyEnd == std::string_view::npos ? text.size() : bodyEnd;
    // At most bodyCheckCount characters, never cutting a character in two.
    std::size_t q = range.start;
    long characters = 0;
    while (q < end && characters < std::max(0L, bodyCheckCount)) {
        ++q;
        while (q < end && IsContinuationByte(text[q])) {
            ++q;
        }
        ++characters;
    }
    range.end = q;
    return range;
}

std::string MetaTagAnalysis::PrepareRange(std::string_view range) {
    std::string prepared;
    prepared.reserve(range.size() + range.size() / 8);
    for (char c : range) {
        if (c == '=') {
            prepared += ' ';
        } else if (c == '>') {
            prepared += "> ";
        } else if (c == '<') {
            prepared += " <";
        } else {
            prepared += c;
        }
    }
    return prepared;
}

WordSequence MetaTagAnalysis::BodyWords(std::string_view working, const BodyRange& range) {
    // The text on either side of the range up to the nearest blank or comma comes along, so that
    // a word that runs across an end of the range is seen whole and left out.
    std::size_t behind = range.start;
    while (behind > 0 && !WordRule::SeparatesWords(working[behind - 1])) {
        --behind;
    }
    std::size_t ahead = range.end;
    while (ahead < working.size() && !WordRule::SeparatesWords(working[ahead])) {
        ++ahead;
    }
    auto words = [](std::string_view part) {
        return CharacterReference::DecodeAll(PrepareRange(part));
    };
    std::string text = words(working.substr(behind, range.start - behind));
    const std::size_t from = text.size();
    text += words(HiddenContent::Remove(working.substr(range.start, range.end - range.start)));
    const std::size_t to = text.size();
    text += words(working.substr(range.end, ahead - range.end));
    return WordSequence(text, from, to);
}

}  // namespace zendal
