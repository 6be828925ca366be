#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/WordSequence.h"
#include "base/Wizard.h"

namespace zendal {

// The meta tag analysis: checks the key words and the description against the rule base and the
// start of the active document's body, and writes a plain-text report. It changes neither the
// fields, nor the document, nor the host's text. Key words are found in the description and in
// the body by their words (WordSequence): "bread" is in "We bake bread.".
class MetaTagAnalysis {
  public:
    explicit MetaTagAnalysis(Wizard& wizard);

    // "Examine Meta Tags Now": runs the three checks and rebuilds the report.
    void SpeedButton1Click();
    // The lines of the report view SubmitReady.
    const std::vector<std::string>& SubmitReady() const { return report_; }
    // The whole report as the view holds it (CR LF after each line), for the clipboard.
    std::string ReportText() const;

    // Makes the analysis page the active page; set by the window.
    std::function<void()> showAnalysisPage;

    // The text after "Trelvo Meta Tag Analysis - " in the first line.
    static std::string Notice();

    struct BodyRange {
        std::size_t start = 0;  // S, a byte offset into the working text
        std::size_t end = 0;    // Q
    };
    // The first part of the body that check 3 searches: from just after "<body" up to "</body>",
    // at most bodyCheckCount characters. Without "<body" the body is taken to start after the
    // head end tag (or at the start of the text); without "</body>" it runs to the end.
    static BodyRange FindBodyRange(std::string_view text, long bodyCheckCount);
    // Sets "=", "<" and ">" apart: "=" becomes a space, a space goes after every ">" and before
    // every "<".
    static std::string PrepareRange(std::string_view range);
    // The words that check 3 counts in the body range of the working text: those of the
    // prepared range, markup included, without comments, scripts, styles, noscript and template
    // elements, character references read as their characters. A word that the range's start
    // or end cuts in two is not among them.
    static WordSequence BodyWords(std::string_view working, const BodyRange& range);

  private:
    struct KeyWord {
        std::string word;
        long count = 1;
    };

    void Append(std::string line) { report_.push_back(std::move(line)); }
    void AppendLines(std::initializer_list<const char*> lines);
    std::vector<KeyWord> CheckRepetition(int repetitionLimit);
    void CheckDescription(const std::vector<KeyWord>& keyWords);
    void CheckBody(const std::vector<KeyWord>& keyWords);

    Wizard& wizard_;
    std::vector<std::string> report_;
};

}  // namespace zendal
