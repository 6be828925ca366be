#pragma once

#include <string>

namespace zendal {

// The main window's copies of the four analysis settings, as stored texts.
struct RuleBaseCopies {
    std::string keywordsR = "6";       // keywords-r
    std::string bodychk = "1000";      // bodychk
    std::string keywords = "1000";     // keywords
    std::string description = "200";  // description
};

}  // namespace zendal
