#pragma once

#include <string>

namespace zendal {

// The main window's copies of the four analysis settings, as stored texts. Empty until the
// settings are read; a value missing from the store leaves its copy as it was.
struct RuleBaseCopies {
    std::string keywordsR;    // keywords-r: repetition limit
    std::string bodychk;      // bodychk: body check count
    std::string keywords;     // keywords: key words length limit
    std::string description;  // description: description length limit
};

}  // namespace zendal
