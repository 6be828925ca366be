// The build's dictionary compiler: zendal-dctc [--drop-possessives] [--frequencies LIST] WORDLIST
// OUT. It is built from the compiler's own sources alone, so the shipped dictionaries are
// compiled again only when a word list or the compiler changes.
#include <exception>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "spell/TDCTCompiler.h"
#include "spell/WordFrequencyList.h"

int main(int argc, char** argv) {
    zendal::TDCTCompiler::Options options;
    std::string frequencyPath;
    std::vector<std::string> files;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--drop-possessives") {
            options.dropPossessives = true;
        } else if (arg == "--frequencies" && i + 1 < argc) {
            frequencyPath = argv[++i];
        } else {
            files.push_back(arg);
        }
    }
    if (files.size() != 2) {
        std::cerr << "Usage: zendal-dctc [--drop-possessives] [--frequencies LIST] WORDLIST OUT\n";
        return 2;
    }
    try {
        std::optional<zendal::WordFrequencyList> frequencies;
        if (!frequencyPath.empty()) {
            frequencies = zendal::WordFrequencyList::Read(frequencyPath);
            options.frequencies = &*frequencies;
        }
        zendal::TDCTCompiler compiler(options);
        compiler.CompileFile(files[0], files[1]);
        const auto& result = compiler.LastResult();
        std::cout << files[1] << ": " << result.words << " words, " << result.nodes << " nodes, "
                  << result.skipped << " left out (letters outside code page 437, or longer than "
                  << "50)";
        if (frequencies) {
            std::cout << ", " << result.counted << " with a frequency";
        }
        std::cout << '\n';
    } catch (const std::exception& e) {
        std::cerr << "zendal-dctc: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
