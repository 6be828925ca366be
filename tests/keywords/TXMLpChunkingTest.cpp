#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "keywords/EventRecorder.h"

using zendal::test::EventRecorder;
using zendal::test::ParserOptions;

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
    const std::filesystem::path root = "/usr/share/doc";
    std::error_code error;
    if (!std::filesystem::is_directory(root, error)) {
        return pages;
    }
    for (auto it = std::filesystem::recursive_directory_iterator(
             root, std::filesystem::directory_options::skip_permission_denied, error);
         it != std::filesystem::recursive_directory_iterator(); it.increment(error)) {
        if (error) {
            break;
        }
        const auto extension = it->path().extension();
        if ((extension == ".html" || extension == ".htm") && it->is_regular_file(error) &&
            it->file_size(error) <= 128 * 1024) {
            pages.push_back(it->path());
        }
    }
    std::sort(pages.begin(), pages.end());
    constexpr std::size_t kSample = 12;
    if (pages.size() > kSample) {
        std::vector<std::filesystem::path> sample;
        for (std::size_t i = 0; i < kSample; ++i) {
            sample.push_back(pages[i * pages.size() / kSample]);
        }
        pages = sample;
    }
    return pages;
}

TEST(TXMLpChunking, RealPages) {
    const auto pages = SamplePages();
    if (pages.empty()) {
        GTEST_SKIP() << "no HTML pages under /usr/share/doc";
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
