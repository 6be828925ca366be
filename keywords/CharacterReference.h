#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zendal {

// HTML character references: the named ones of HTML 4 (with &apos;), and numeric ones in
// decimal (&#233;) and hexadecimal (&#xE9;).
class CharacterReference {
  public:
    // The character, in UTF-8, that the reference with this name stands for: "eacute", "#233" or
    // "#xE9". Without its closing ";" a name is known only when browsers take it so too: the
    // numeric ones and those of the Latin-1 characters, &amp;, &lt;, &gt; and &quot;. A numeric
    // reference to no character (0, a surrogate, past U+10FFFF) is U+FFFD; 128 to 159 are the
    // Windows-1252 characters of those bytes, as browsers read them.
    static std::optional<std::string> Decode(std::string_view name, bool closed);
    // The text with every known reference replaced by its character; others stay as written.
    static std::string DecodeAll(std::string_view text);
};

}  // namespace zendal
