#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "keywords/EventRecorder.h"
#include "support/MachinePages.h"

using zendal::test::EventRecorder;
using zendal::test::MachinePages;
using zendal::test::ParserOptions;
using zendal::test::SpreadSample;

namespace {

// Event boundaries must not depend on how the input is cut into Parse calls: the whole input,
// one byte per call and random pieces give the same events.

std::vector<ParserOptions> OptionSets() {
    std::vector<ParserOptions> sets;
    for (bool flush : {false, true}) {
        for (bool preserve : {false, true}) {
            ParserOptions options;
            options.flushOnEOL = flush;
            options.preserveWhiteSpace = preserve;
            if (flush != preserve) {
                options.entityValue = " ";
            }
            sets.push_back(options);
        }
    }
    sets.back().extraNameChars = "-:.";
    sets.back().extraSpaceChars = "|";
    return sets;
}

std::vector<std::size_t> EveryByte(std::size_t size) {
    std::vector<std::size_t> cuts;
    for (std::size_t i = 1; i < size; ++i) {
        cuts.push_back(i);
    }
    return cuts;
}

std::vector<std::size_t> RandomPieces(std::size_t size, std::mt19937& random) {
    std::vector<std::size_t> cuts;
    std::size_t at = 0;
    while (size > 0) {
        at += std::uniform_int_distribution<std::size_t>(1, 64)(random);
        if (at >= size) {
            break;
        }
        cuts.push_back(at);
    }
    return cuts;
}

void ExpectSameEventsHoweverCut(const std::string& input, std::mt19937& random,
                                const std::string& what) {
    for (const ParserOptions& options : OptionSets()) {
        const auto whole = EventRecorder::Run(options, input);
        ASSERT_EQ(EventRecorder::Run(options, input, EveryByte(input.size())), whole)
            << what << ", fed byte by byte";
        for (int round = 0; round < 3; ++round) {
            ASSERT_EQ(EventRecorder::Run(options, input, RandomPieces(input.size(), random)), whole)
                << what << ", fed in random pieces";
        }
    }
}

// Bytes that steer the tokeniser, often, and any other byte but 0 (which ends a call).
std::string RandomInput(std::mt19937& random) {
    static const std::string steering = "<<>>//!?--[]]&&;;=='\"\n\n\r \t#ab";
    std::string input;
    const auto length = std::uniform_int_distribution<int>(0, 300)(random);
    std::uniform_int_distribution<int> kind(0, 3);
    std::uniform_int_distribution<std::size_t> pick(0, steering.size() - 1);
    std::uniform_int_distribution<int> anyByte(1, 255);
    for (int i = 0; i < length; ++i) {
        input += kind(random) == 0 ? static_cast<char>(anyByte(random)) : steering[pick(random)];
    }
    return input;
}

TEST(TXMLpChunking, RandomInputs) {
    std::mt19937 random(20261210);
    for (int i = 0; i < 400; ++i) {
        std::string input = RandomInput(random);
        if (i % 20 == 0) {
            // A tag past the attribute limit somewhere in the input.
            std::string tag = "<p";
            for (int k = 0; k < 70; ++k) {
                tag += k % 3 == 0 ? " a=1" : " b";
            }
            input.insert(input.size() / 2, tag);
        }
        ExpectSameEventsHoweverCut(input, random, "random input " + std::to_string(i));
    }
}

// A bounded, fixed sample of the HTML pages installed on this machine.
std::vector<std::filesystem::path> SamplePages() {
    std::vector<std::filesystem::path> pages;
    for (const std::filesystem::path& page : MachinePages()) {
        std::error_code error;
        if (std::filesystem::file_size(page, error) <= 128 * 1024 && !error) {
            pages.push_back(page);
        }
    }
    return SpreadSample(pages, 12);
}

TEST(TXMLpChunking, RealPages) {
    const auto pages = SamplePages();
    if (pages.empty()) {
        GTEST_SKIP() << "no HTML pages on this machine";
    }
    std::mt19937 random(7);
    for (const auto& page : pages) {
        std::ifstream stream(page, std::ios::binary);
        std::string text((std::istreambuf_iterator<char>(stream)),
                         std::istreambuf_iterator<char>());
        text.erase(std::remove(text.begin(), text.end(), '\0'), text.end());
        ExpectSameEventsHoweverCut(text, random, page.string());
    }
}

}  // namespace
