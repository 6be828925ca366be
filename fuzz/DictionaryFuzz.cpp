// Loads arbitrary bytes as a main dictionary file and asks it about words, for both suggestion
// lists (the ranked one reads the ranking section of a file that has one) and for completions:
// nothing may crash, hang or read outside the file; a broken file may only answer "Dictionary
// Corrupt.". Input that does not start with the identification text gets it put in front, so that
// the fuzzer spends its time on the node graph.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "base/MessagePort.h"
#include "spell/EDictionaryCorrupt.h"
#include "spell/TDCTFile.h"
#include "spell/TDictionary.h"

namespace {

class QuietMessages : public zendal::MessagePort {
  public:
    void Show(Box, Outcome, const std::string&) override {}
    bool AskYesNo(const std::string&) override { return true; }
};

std::string DictionaryBytes(const std::uint8_t* data, std::size_t size) {
    std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto& id = zendal::TDCTFile::Identification();
    if (bytes.compare(0, id.size(), std::string(id.begin(), id.end())) != 0) {
        std::string header(id.begin(), id.end());
        header.resize(zendal::TDCTFile::kHeaderSize, '\0');
        bytes.insert(0, header);
    }
    return bytes;
}

// A few fixed words, and one spelled by the first input bytes.
std::vector<std::string> Words(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> words = {
        "a", "teh", "inthe", "Dictio", "DOG's", "'s", std::string(50, 'e'), std::string(60, 'a')};
    std::string own;
    for (std::size_t i = 0; i < size && i < 12; ++i) {
        own += static_cast<char>('a' + data[i] % 26);
    }
    words.push_back(own);
    return words;
}

// The file that each input is written to, removed when the process ends.
struct InputFile {
    std::string path = "/tmp/zendal-dictionary-fuzz-" + std::to_string(getpid()) + ".dct";
    ~InputFile() { std::remove(path.c_str()); }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const InputFile file;
    const std::string& path = file.path;
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        std::string bytes = DictionaryBytes(data, size);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    QuietMessages messages;
    zendal::TDictionary dictionary(messages);
    try {
        if (!dictionary.OpenDictionary(path)) {
            return 0;
        }
    } catch (const zendal::EDictionaryCorrupt&) {
        return 0;
    }
    for (const std::string& word : Words(data, size)) {
        try {
            dictionary.IsWord(word);
            dictionary.Suggest(word, 15);
            dictionary.RankedSuggest(word, 15);
            dictionary.CompleteWord(word.substr(0, 3), 15);
        } catch (const zendal::EDictionaryCorrupt&) {
        }
    }
    return 0;
}
