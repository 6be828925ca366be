#include "spell/TDCTCompiler.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <unordered_map>

#include "base/AsciiText.h"
#include "base/AtomicFile.h"
#include "base/DocumentCodec.h"
#include "base/WholeFile.h"
#include "base/ZendalError.h"
#include "spell/CodePage437.h"
#include "spell/TDCTFile.h"
#include "spell/WordFrequencyList.h"

namespace zendal {

namespace {

// A state of the graph under construction: its outgoing letters, sorted, each with the state
// it leads to.
struct State {
    bool final = false;
    std::vector<std::pair<unsigned char, std::uint32_t>> edges;
};

// Builds the minimal graph from words in sorted order, registering each finished state under
// its signature so that equal suffixes become one (the incremental method of Daciuk et al.).
class GraphBuilder {
  public:
    GraphBuilder() { states_.emplace_back(); }

    void Add(const std::string& word) {
        std::size_t common = 0;
        while (common < word.size() && common < previous_.size() &&
               word[common] == previous_[common]) {
            ++common;
        }
        Freeze(common);
        for (std::size_t i = common; i < word.size(); ++i) {
            auto next = static_cast<std::uint32_t>(states_.size());
            states_.emplace_back();
            states_[path_.back()].edges.emplace_back(static_cast<unsigned char>(word[i]), next);
            path_.push_back(next);
        }
        states_[path_.back()].final = true;
        previous_ = word;
    }

    // Ends the input and returns the states; state 0 is the root.
    const std::vector<State>& Finish() {
        Freeze(0);
        return states_;
    }

  private:
    // Replaces every state on the path below depth by its registered equal, or registers it.
    void Freeze(std::size_t depth) {
        while (path_.size() > depth + 1) {
            std::uint32_t child = path_.back();
            path_.pop_back();
            std::string signature = Signature(states_[child]);
            auto [found, inserted] = register_.emplace(std::move(signature), child);
            if (!inserted) {
                states_[path_.back()].edges.back().second = found->second;
                states_[child] = State{};
            }
        }
    }

    static std::string Signature(const State& state) {
        std::string key(1, state.final ? '1' : '0');
        for (auto [letter, target] : state.edges) {
            key += static_cast<char>(letter);
            key.append(reinterpret_cast<const char*>(&target), sizeof target);
        }
        return key;
    }

    std::vector<State> states_;
    std::vector<std::uint32_t> path_{0};
    std::string previous_;
    std::unordered_map<std::string, std::uint32_t> register_;
};

void AppendNode(std::string& out, std::uint32_t node) {
    for (int shift = 0; shift < 32; shift += 8) {
        out += static_cast<char>((node >> shift) & 0xFF);
    }
}

void PutWord(std::string& out, std::size_t offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        out[offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

// The number of words below each state: the strings that lead from it to a final state,
// the empty one not counted.
std::vector<std::uint32_t> WordsBelow(const std::vector<State>& states) {
    std::vector<std::uint32_t> below(states.size(), 0);
    std::vector<bool> done(states.size(), false);
    // States are created before their targets are finished, so a target's number can be lower
    // or higher than its source's; an explicit stack keeps deep graphs off the call stack.
    std::vector<std::pair<std::uint32_t, std::size_t>> stack{{0, 0}};
    while (!stack.empty()) {
        auto& [state, edge] = stack.back();
        const auto& edges = states[state].edges;
        if (edge < edges.size()) {
            std::uint32_t target = edges[edge++].second;
            if (!done[target]) {
                stack.emplace_back(target, 0);
            }
            continue;
        }
        std::uint32_t total = 0;
        for (auto [letter, target] : edges) {
            total += below[target] + (states[target].final ? 1 : 0);
        }
        below[state] = total;
        done[state] = true;
        stack.pop_back();
    }
    return below;
}

// The ranking section, in the node order of the file: per node the words that its earlier
// siblings lead to, then the frequency bytes; the header names the section.
void AppendRankingSection(std::string& out, const std::vector<State>& states,
                          const std::vector<std::uint32_t>& order, const std::string& bands) {
    const auto nodes = static_cast<std::uint32_t>((out.size() - TDCTFile::kHeaderSize) / 4);
    std::vector<std::uint32_t> below = WordsBelow(states);
    std::string section;
    section.reserve(4 * std::size_t(nodes) + bands.size());
    if (states[0].edges.empty()) {
        AppendNode(section, 0);
    }
    for (std::uint32_t state : order) {
        std::uint32_t before = 0;
        for (auto [letter, target] : states[state].edges) {
            AppendNode(section, before);
            before += below[target] + (states[target].final ? 1 : 0);
        }
    }
    section += bands;
    std::copy(TDCTFile::kRankingTag, TDCTFile::kRankingTag + 4,
              out.begin() + TDCTFile::kRankingTagOffset);
    PutWord(out, TDCTFile::kRankingTagOffset + 4, nodes);
    PutWord(out, TDCTFile::kRankingTagOffset + 8, static_cast<std::uint32_t>(bands.size()));
    out += section;
}

}  // namespace

TDCTCompiler::TDCTCompiler(Options options) : options_(options) {}

std::string TDCTCompiler::Compile(const std::vector<std::string>& words) {
    result_ = Result{};
    std::vector<std::string> letters;
    letters.reserve(words.size());
    for (const std::string& word : words) {
        std::string oem = AsciiText::Lower(CodePage437::FromUtf8(word));
        if (oem.empty() || (options_.dropPossessives && oem.ends_with("'s"))) {
            continue;
        }
        if (!CodePage437::CanEncode(word) || oem.size() > TDCTFile::kMaxWordLength) {
            ++result_.skipped;
            continue;
        }
        letters.push_back(std::move(oem));
    }
    // Siblings in order of their byte values.
    std::sort(letters.begin(), letters.end(), [](const std::string& a, const std::string& b) {
        return std::lexicographical_compare(
            a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
                return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
            });
    });
    letters.erase(std::unique(letters.begin(), letters.end()), letters.end());
    result_.words = letters.size();
    std::string bands;
    if (options_.frequencies != nullptr) {
        bands.reserve(letters.size());
        for (const std::string& word : letters) {
            std::uint64_t count = options_.frequencies->Count(word);
            result_.counted += count > 0 ? 1 : 0;
            bands += static_cast<char>(count > 0 ? WordFrequencyList::Band(count) : 0);
        }
    }

    GraphBuilder builder;
    for (const std::string& word : letters) {
        builder.Add(word);
    }
    const std::vector<State>& states = builder.Finish();

    // Lay the sibling lists out breadth first from the root, which starts at node 1.
    std::vector<std::uint32_t> firstNode(states.size(), 0);
    std::vector<std::uint32_t> order{0};
    std::uint32_t nextNode = 1;
    firstNode[0] = 1;
    nextNode += static_cast<std::uint32_t>(std::max<std::size_t>(states[0].edges.size(), 1));
    for (std::size_t i = 0; i < order.size(); ++i) {
        for (auto [letter, target] : states[order[i]].edges) {
            if (!states[target].edges.empty() && firstNode[target] == 0) {
                firstNode[target] = nextNode;
                nextNode += static_cast<std::uint32_t>(states[target].edges.size());
                order.push_back(target);
                if (nextNode - 1 > TDCTFile::kMaxNodes) {
                    throw ZendalError("Too many words for one dictionary file.");
                }
            }
        }
    }

    std::string out(TDCTFile::Identification().begin(), TDCTFile::Identification().end());
    out.resize(TDCTFile::kHeaderSize, '\0');
    if (states[0].edges.empty()) {
        // An empty list still needs a root list: one node that spells nothing.
        AppendNode(out, TDCTFile::kLastSibling);
    }
    for (std::uint32_t state : order) {
        const auto& edges = states[state].edges;
        for (std::size_t e = 0; e < edges.size(); ++e) {
            auto [letter, target] = edges[e];
            std::uint32_t node = std::uint32_t(letter) << 24 | firstNode[target];
            if (e + 1 == edges.size()) {
                node |= TDCTFile::kLastSibling;
            }
            if (states[target].final) {
                node |= TDCTFile::kEndOfWord;
            }
            AppendNode(out, node);
        }
    }
    result_.nodes = (out.size() - TDCTFile::kHeaderSize) / 4;
    if (options_.frequencies != nullptr) {
        AppendRankingSection(out, states, order, bands);
    }
    return out;
}

std::vector<std::string> TDCTCompiler::ReadWordList(const std::string& path) {
    std::string text = WholeFile::Read(path);
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.erase(0, 3);
    }
    // Some word lists (Debian's Swedish one, say) are Latin-1: read as the documents are.
    if (!DocumentCodec::IsValidUtf8(text)) {
        text = DocumentCodec::Windows1252ToUtf8(text);
    }
    std::vector<std::string> words;
    auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\f' || c == '\v'; };
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            end = text.size();
        }
        std::size_t first = start;
        std::size_t last = end;
        while (first < last && isBlank(text[first])) {
            ++first;
        }
        while (last > first && isBlank(text[last - 1])) {
            --last;
        }
        if (last > first) {
            words.emplace_back(text, first, last - first);
        }
        start = end + 1;
    }
    return words;
}

void TDCTCompiler::CompileFile(const std::string& wordListPath, const std::string& outputPath) {
    AtomicFile::Write(outputPath, Compile(ReadWordList(wordListPath)));
}

}  // namespace zendal
