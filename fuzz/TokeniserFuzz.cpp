// Feeds any bytes to the token parser: nothing may crash, and cutting the input into pieces
// (random ones, or one byte each) must give the same events as one whole piece.
//
// Input layout: byte 0 chooses the parser's options, byte 1 seeds the cuts, the rest is the
// text. A byte 0 in the text ends a Parse call by design, so the comparison uses the text
// without them; the text as given is also fed once, whole.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "keywords/EventRecorder.h"

using zendal::test::EventRecorder;
using zendal::test::ParserOptions;

namespace {

ParserOptions OptionsFrom(std::uint8_t bits) {
    ParserOptions options;
    options.flushOnEOL = (bits & 1) != 0;
    options.preserveWhiteSpace = (bits & 2) != 0;
    if (bits & 4) {
        options.entityValue = (bits & 8) ? "" : " ";
    }
    if (bits & 16) {
        options.extraNameChars = "-:._";
    }
    if (bits & 32) {
        options.extraSpaceChars = "|>\"";
    }
    return options;
}

std::vector<std::size_t> RandomCuts(std::size_t size, std::uint32_t seed) {
    std::vector<std::size_t> cuts;
    std::uint32_t state = seed * 2654435761u + 1;
    std::size_t at = 0;
    for (;;) {
        state = state * 1664525u + 1013904223u;
        at += 1 + (state >> 24) % 97;
        if (at >= size) {
            return cuts;
        }
        cuts.push_back(at);
    }
}

std::vector<std::size_t> EveryByte(std::size_t size) {
    std::vector<std::size_t> cuts;
    for (std::size_t i = 1; i < size; ++i) {
        cuts.push_back(i);
    }
    return cuts;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    const ParserOptions options = OptionsFrom(data[0]);
    const std::string raw(reinterpret_cast<const char*>(data) + 2, size - 2);
    EventRecorder::Run(options, raw);

    std::string text;
    text.reserve(raw.size());
    for (char c : raw) {
        if (c != '\0') {
            text += c;
        }
    }
    const auto whole = EventRecorder::Run(options, text);
    if (EventRecorder::Run(options, text, RandomCuts(text.size(), data[1])) != whole) {
        std::abort();
    }
    if (text.size() <= 4096 && EventRecorder::Run(options, text, EveryByte(text.size())) != whole) {
        std::abort();
    }
    return 0;
}
