// The key word generator over every HTML page of the machine's documentation: no proposed word
// is punctuation alone or begins or ends with it, and none comes only from a script or a style.

#include <gtest/gtest.h>
#include <unicode/uchar.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <atomic>
#include <climits>
#include <filesystem>
#include <iostream>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "base/AsciiText.h"
#include "base/DocumentCodec.h"
#include "keywords/CharacterReference.h"
#include "keywords/KeyWordGenerator.h"
#include "support/MachinePages.h"
#include "support/RecordingStatusPort.h"
#include "support/ScriptedMessagePort.h"
#include "support/TestSupport.h"

namespace zendal::test {
namespace {

namespace fs = std::filesystem;

// The page split into the contents of its script and style elements and everything else, by a
// plain search for the tags (lower-cased ASCII).
struct PageParts {
    std::string scriptsAndStyles;
    std::string rest;
};

PageParts Split(const std::string& page) {
    const std::string lower = AsciiText::Lower(page);
    PageParts parts;
    std::size_t at = 0;
    while (at < lower.size()) {
        std::size_t script = lower.find("<script", at);
        std::size_t style = lower.find("<style", at);
        std::size_t open = std::min(script, style);
        if (open == std::string::npos) {
            break;
        }
        const std::string close = open == script ? "</script" : "</style";
        std::size_t end = lower.find(close, open);
        end = end == std::string::npos ? lower.size() : end;
        parts.rest += lower.substr(at, open - at);
        parts.scriptsAndStyles += lower.substr(open, end - open);
        at = end;
    }
    parts.rest += lower.substr(std::min(at, lower.size()));
    return parts;
}

// A letter, digit or mark, by ICU's character classes.
bool IsWordCharacter(UChar32 c, bool markToo) {
    const std::int32_t mask = U_MASK(u_charType(c));
    return (mask & (U_GC_L_MASK | U_GC_N_MASK)) != 0 || (markToo && (mask & U_GC_M_MASK) != 0);
}

// What is wrong with a proposed word, or nothing.
std::string Fault(const std::string& word, const PageParts& parts) {
    std::vector<UChar32> characters;
    for (std::int32_t i = 0; i < static_cast<std::int32_t>(word.size());) {
        UChar32 c;
        U8_NEXT(word.data(), i, static_cast<std::int32_t>(word.size()), c);
        characters.push_back(c);
    }
    if (characters.empty() || std::none_of(characters.begin(), characters.end(),
                                           [](UChar32 c) { return IsWordCharacter(c, false); })) {
        return "punctuation alone";
    }
    if (!IsWordCharacter(characters.front(), false) || !IsWordCharacter(characters.back(), true)) {
        return "begins or ends with punctuation";
    }
    const std::string lower = AsciiText::Lower(word);
    if (parts.scriptsAndStyles.find(lower) != std::string::npos &&
        parts.rest.find(lower) == std::string::npos) {
        return "only in a script or style";
    }
    return {};
}

struct Tally {
    std::mutex mutex;
    std::size_t pages = 0;
    std::size_t pagesWithWords = 0;
    std::size_t words = 0;
    std::vector<std::string> faults;
};

void CheckPages(const std::vector<fs::path>& pages, std::atomic<std::size_t>& next, Tally& tally) {
    TempDir home;
    ScriptedMessagePort messages;
    RecordingStatusPort status;
    KeyWordGenerator generator(home.Path().string() + "/", messages, status, nullptr, nullptr);
    generator.SetTopCount(KeyWordGenerator::kMaxTopCount);
    for (std::size_t i = next++; i < pages.size(); i = next++) {
        generator.SetBodyCheckLimit(INT_MAX);
        generator.Run(pages[i].string());
        const std::string bytes = ReadFile(pages[i]);
        PageParts parts = Split(
            DocumentCodec::IsValidUtf8(bytes) ? bytes : DocumentCodec::Windows1252ToUtf8(bytes));
        // Words of the text are read with their character references decoded.
        parts.rest = AsciiText::Lower(CharacterReference::DecodeAll(parts.rest));
        std::vector<std::string> faults;
        for (const KeyWordRow& row : generator.Rows()) {
            if (std::string fault = Fault(row.word, parts); !fault.empty()) {
                faults.push_back(pages[i].string() + ": \"" + row.word + "\" " + fault);
            }
        }
        std::lock_guard lock(tally.mutex);
        ++tally.pages;
        tally.pagesWithWords += generator.Rows().empty() ? 0 : 1;
        tally.words += generator.Rows().size();
        tally.faults.insert(tally.faults.end(), faults.begin(), faults.end());
    }
}

TEST(RealPages, ProposedKeyWordsAreWordsOfTheTextAReaderSees) {
    const std::vector<fs::path> pages = PagesToCheck(MachinePages());
    if (pages.empty()) {
        GTEST_SKIP() << "no HTML pages on this machine";
    }
    Tally tally;
    std::atomic<std::size_t> next = 0;
    std::thread helper([&] { CheckPages(pages, next, tally); });
    CheckPages(pages, next, tally);
    helper.join();

    std::cout << "pages checked: " << tally.pages << ", with words: " << tally.pagesWithWords
              << ", words proposed: " << tally.words << "\n";
    EXPECT_EQ(tally.pages, pages.size());
    ExpectNoFaults(tally.faults);
}

}  // namespace
}  // namespace zendal::test
