#pragma once

#include <string>
#include <string_view>

namespace zendal {

// The parts of an HTML text that a reader of the page never sees as its text: comments and the
// script, style, noscript and template elements. Script and style content ends at the first end
// tag of its element, whatever it holds; noscript and template elements end at their matching
// end tag.
class HiddenContent {
  public:
    // The text with each comment and each such element, its tags included, replaced by one
    // blank, so that the words on either side stay apart. A comment or element that is not
    // closed runs to the end of the text. Everything else, markup included, stays as it is.
    static std::string Remove(std::string_view html);
};

}  // namespace zendal
