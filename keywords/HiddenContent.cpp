#include "keywords/HiddenContent.h"

#include <cstring>

#include "base/AsciiText.h"

namespace zendal {

namespace {

constexpr std::size_t npos = std::string_view::npos;

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

// Whether the element name at `at` is `name` (lower case) and ends there.
bool NameAt(std::string_view text, std::size_t at, std::string_view name) {
    if (at + name.size() > text.size()) {
        return false;
    }
    for (std::size_t k = 0; k < name.size(); ++k) {
        if (AsciiText::LowerAscii(text[at + k]) != name[k]) {
            return false;
        }
    }
    const std::size_t after = at + name.size();
    return after == text.size() || IsSpace(text[after]) || text[after] == '>' || text[after] == '/';
}

std::size_t FindChar(std::string_view text, char c, std::size_t from) {
    if (from >= text.size()) {
        return npos;
    }
    const void* found = std::memchr(text.data() + from, c, text.size() - from);
    return found == nullptr ? npos : static_cast<const char*>(found) - text.data();
}

// Just past the ">" that ends the tag starting at `at`; a value in quotes may hold ">".
std::size_t TagEnd(std::string_view text, std::size_t at) {
    bool afterEquals = false;
    for (std::size_t i = at + 1; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '>') {
            return i + 1;
        }
        if ((c == '"' || c == '\'') && afterEquals) {
            std::size_t close = FindChar(text, c, i + 1);
            if (close == npos) {
                return text.size();
            }
            i = close;
        }
        if (c == '=') {
            afterEquals = true;
        } else if (!IsSpace(c)) {
            afterEquals = false;
        }
    }
    return text.size();
}

// Just past the end of the element `name` whose start tag ends at `from`. Script and style
// content ends at the first end tag; the others count the starts and ends of their name.
std::size_t ElementEnd(std::string_view text, std::string_view name, std::size_t from,
                       bool nested) {
    int depth = 1;
    for (std::size_t lt = FindChar(text, '<', from); lt != npos; lt = FindChar(text, '<', lt + 1)) {
        if (lt + 1 < text.size() && text[lt + 1] == '/' && NameAt(text, lt + 2, name)) {
            if (--depth == 0) {
                return TagEnd(text, lt);
            }
        } else if (nested && NameAt(text, lt + 1, name)) {
            ++depth;
        }
    }
    return text.size();
}

struct Hidden {
    std::string_view name;
    bool nested;  // its content is markup, in which elements of its name may nest
};
constexpr Hidden kHidden[] = {
    {"script", false}, {"style", false}, {"noscript", true}, {"template", true}};

// Just past the hidden part that starts with the "<" at `lt`, or npos when none starts there.
std::size_t HiddenEnd(std::string_view text, std::size_t lt) {
    if (text.substr(lt, 4) == "<!--") {
        // "<!-->" and "<!--->" are whole, empty comments.
        std::size_t close = text.find("-->", lt + 2);
        return close == npos ? text.size() : close + 3;
    }
    for (const Hidden& hidden : kHidden) {
        if (NameAt(text, lt + 1, hidden.name)) {
            std::size_t tagEnd = TagEnd(text, lt);
            if (tagEnd >= 2 && text[tagEnd - 1] == '>' && text[tagEnd - 2] == '/') {
                return tagEnd;  // <script src="x.js"/>
            }
            return ElementEnd(text, hidden.name, tagEnd, hidden.nested);
        }
    }
    return npos;
}

}  // namespace

std::string HiddenContent::Remove(std::string_view html) {
    std::string visible;
    std::size_t copied = 0;
    for (std::size_t lt = FindChar(html, '<', 0); lt != npos; lt = FindChar(html, '<', lt + 1)) {
        std::size_t end = HiddenEnd(html, lt);
        if (end == npos) {
            continue;
        }
        if (visible.empty()) {
            visible.reserve(html.size());
        }
        visible.append(html.substr(copied, lt - copied));
        visible += ' ';
        copied = end;
        lt = end - 1;
    }
    if (copied == 0) {
        return std::string(html);
    }
    visible.append(html.substr(copied));
    return visible;
}

}  // namespace zendal
