// The build's dictionary compiler: zendal-dctc [--drop-possessives] WORDLIST OUT. It is built
// from the compiler's own sources alone, so the shipped dictionary is compiled again only when
// the word list or the compiler changes.
#include <cstring>
#include <exception>
#include <iostream>

#include "spell/TDCTCompiler.h"

int main(int argc, char** argv) {
    zendal::TDCTCompiler::Options options;
    int first = 1;
    if (argc > 1 && std::strcmp(argv[1], "--drop-possessives") == 0) {
        options.dropPossessives = true;
        first = 2;
    }
    if (argc - first != 2) {
        std::cerr << "Usage: zendal-dctc [--drop-possessives] WORDLIST OUT\n";
        return 2;
    }
    try {
        zendal::TDCTCompiler compiler(options);
        compiler.CompileFile(argv[first], argv[first + 1]);
        const auto& result = compiler.LastResult();
        std::cout << argv[first + 1] << ": " << result.words << " words, " << result.nodes
                  << " nodes, " << result.skipped << " left out\n";
    } catch (const std::exception& e) {
        std::cerr << "zendal-dctc: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
