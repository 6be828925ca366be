#include "keywords/CharacterReference.h"

#include <unicode/utf8.h>

#include <unordered_map>

#include "base/DocumentCodec.h"

namespace zendal {

namespace {

// The names of U+00A0 to U+00FF, in the order of their code points.
constexpr const char* kLatin1Names[] = {
    "nbsp",   "iexcl",  "cent",   "pound",  "curren", "yen",    "brvbar", "sect",   "uml",
    "copy",   "ordf",   "laquo",  "not",    "shy",    "reg",    "macr",   "deg",    "plusmn",
    "sup2",   "sup3",   "acute",  "micro",  "para",   "middot", "cedil",  "sup1",   "ordm",
    "raquo",  "frac14", "frac12", "frac34", "iquest", "Agrave", "Aacute", "Acirc",  "Atilde",
    "Auml",   "Aring",  "AElig",  "Ccedil", "Egrave", "Eacute", "Ecirc",  "Euml",   "Igrave",
    "Iacute", "Icirc",  "Iuml",   "ETH",    "Ntilde", "Ograve", "Oacute", "Ocirc",  "Otilde",
    "Ouml",   "times",  "Oslash", "Ugrave", "Uacute", "Ucirc",  "Uuml",   "Yacute", "THORN",
    "szlig",  "agrave", "aacute", "acirc",  "atilde", "auml",   "aring",  "aelig",  "ccedil",
    "egrave", "eacute", "ecirc",  "euml",   "igrave", "iacute", "icirc",  "iuml",   "eth",
    "ntilde", "ograve", "oacute", "ocirc",  "otilde", "ouml",   "divide", "oslash", "ugrave",
    "uacute", "ucirc",  "uuml",   "yacute", "thorn",  "yuml",
};

// The capital Greek letters from U+0391 in order; U+03A2 is no letter. The small ones from
// U+03B1 have the same names in lower case, U+03C2 being the final sigma.
constexpr const char* kGreekNames[] = {
    "Alpha", "Beta",   "Gamma",   "Delta", "Epsilon", "Zeta",    "Eta",   "Theta", "Iota",
    "Kappa", "Lambda", "Mu",      "Nu",    "Xi",      "Omicron", "Pi",    "Rho",   nullptr,
    "Sigma", "Tau",    "Upsilon", "Phi",   "Chi",     "Psi",     "Omega",
};

constexpr std::pair<const char*, char32_t> kOtherNames[] = {
    {"quot", 34},     {"amp", 38},      {"apos", 39},     {"lt", 60},       {"gt", 62},
    {"QUOT", 34},     {"AMP", 38},      {"LT", 60},       {"GT", 62},       {"COPY", 169},
    {"REG", 174},     {"OElig", 338},   {"oelig", 339},   {"Scaron", 352},  {"scaron", 353},
    {"Yuml", 376},    {"fnof", 402},    {"circ", 710},    {"tilde", 732},   {"thetasym", 977},
    {"upsih", 978},   {"piv", 982},     {"sigmaf", 962},  {"ensp", 8194},   {"emsp", 8195},
    {"thinsp", 8201}, {"zwnj", 8204},   {"zwj", 8205},    {"lrm", 8206},    {"rlm", 8207},
    {"ndash", 8211},  {"mdash", 8212},  {"lsquo", 8216},  {"rsquo", 8217},  {"sbquo", 8218},
    {"ldquo", 8220},  {"rdquo", 8221},  {"bdquo", 8222},  {"dagger", 8224}, {"Dagger", 8225},
    {"bull", 8226},   {"hellip", 8230}, {"permil", 8240}, {"prime", 8242},  {"Prime", 8243},
    {"lsaquo", 8249}, {"rsaquo", 8250}, {"oline", 8254},  {"frasl", 8260},  {"euro", 8364},
    {"image", 8465},  {"weierp", 8472}, {"real", 8476},   {"trade", 8482},  {"alefsym", 8501},
    {"larr", 8592},   {"uarr", 8593},   {"rarr", 8594},   {"darr", 8595},   {"harr", 8596},
    {"crarr", 8629},  {"lArr", 8656},   {"uArr", 8657},   {"rArr", 8658},   {"dArr", 8659},
    {"hArr", 8660},   {"forall", 8704}, {"part", 8706},   {"exist", 8707},  {"empty", 8709},
    {"nabla", 8711},  {"isin", 8712},   {"notin", 8713},  {"ni", 8715},     {"prod", 8719},
    {"sum", 8721},    {"minus", 8722},  {"lowast", 8727}, {"radic", 8730},  {"prop", 8733},
    {"infin", 8734},  {"ang", 8736},    {"and", 8743},    {"or", 8744},     {"cap", 8745},
    {"cup", 8746},    {"int", 8747},    {"there4", 8756}, {"sim", 8764},    {"cong", 8773},
    {"asymp", 8776},  {"ne", 8800},     {"equiv", 8801},  {"le", 8804},     {"ge", 8805},
    {"sub", 8834},    {"sup", 8835},    {"nsub", 8836},   {"sube", 8838},   {"supe", 8839},
    {"oplus", 8853},  {"otimes", 8855}, {"perp", 8869},   {"sdot", 8901},   {"lceil", 8968},
    {"rceil", 8969},  {"lfloor", 8970}, {"rfloor", 8971}, {"lang", 9001},   {"rang", 9002},
    {"loz", 9674},    {"spades", 9824}, {"clubs", 9827},  {"hearts", 9829}, {"diams", 9830},
};

constexpr char32_t kReplacement = 0xFFFD;

const std::unordered_map<std::string, char32_t>& Names() {
    static const std::unordered_map<std::string, char32_t> names = [] {
        std::unordered_map<std::string, char32_t> table;
        for (char32_t i = 0; i < std::size(kLatin1Names); ++i) {
            table.emplace(kLatin1Names[i], 0xA0 + i);
        }
        for (char32_t i = 0; i < std::size(kGreekNames); ++i) {
            if (kGreekNames[i] == nullptr) {
                continue;
            }
            std::string capital = kGreekNames[i];
            std::string small = capital;
            small[0] = static_cast<char>(small[0] + 32);
            table.emplace(capital, 0x391 + i);
            table.emplace(small, 0x3B1 + i);
        }
        for (const auto& [name, code] : kOtherNames) {
            table.emplace(name, code);
        }
        return table;
    }();
    return names;
}

std::string Utf8(char32_t code) {
    char bytes[4];
    std::int32_t length = 0;
    U8_APPEND_UNSAFE(bytes, length, static_cast<UChar32>(code));
    return std::string(bytes, static_cast<std::size_t>(length));
}

bool IsDigit(char c, bool hex) {
    return (c >= '0' && c <= '9') || (hex && ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F')));
}

int DigitValue(char c) {
    return c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10;
}

std::optional<std::string> DecodeNumber(std::string_view digits) {
    const bool hex = !digits.empty() && (digits[0] == 'x' || digits[0] == 'X');
    if (hex) {
        digits.remove_prefix(1);
    }
    if (digits.empty()) {
        return std::nullopt;
    }
    char32_t code = 0;
    for (char c : digits) {
        if (!IsDigit(c, hex)) {
            return std::nullopt;
        }
        // Anything past U+10FFFF stays past it.
        code = std::min<char32_t>(code * (hex ? 16 : 10) + DigitValue(c), 0x110000);
    }
    if (code >= 0x80 && code <= 0x9F) {
        return DocumentCodec::Windows1252ToUtf8(std::string(1, static_cast<char>(code)));
    }
    if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        code = kReplacement;
    }
    return Utf8(code);
}

bool IsNameChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

}  // namespace

std::optional<std::string> CharacterReference::Decode(std::string_view name, bool closed) {
    if (name.starts_with('#')) {
        return DecodeNumber(name.substr(1));
    }
    const auto& names = Names();
    auto found = names.find(std::string(name));
    if (found == names.end() || (!closed && found->second >= 0x100)) {
        return std::nullopt;
    }
    return Utf8(found->second);
}

std::string CharacterReference::DecodeAll(std::string_view text) {
    std::string decoded;
    decoded.reserve(text.size());
    std::size_t copied = 0;
    for (std::size_t amp = text.find('&'); amp != std::string_view::npos;
         amp = text.find('&', amp + 1)) {
        std::size_t end = amp + 1;
        if (end < text.size() && text[end] == '#') {
            ++end;
        }
        while (end < text.size() && IsNameChar(text[end])) {
            ++end;
        }
        const bool closed = end < text.size() && text[end] == ';';
        std::optional<std::string> character = Decode(text.substr(amp + 1, end - amp - 1), closed);
        if (character) {
            decoded.append(text.substr(copied, amp - copied));
            decoded += *character;
            copied = end + (closed ? 1 : 0);
            amp = copied - 1;
        }
    }
    decoded.append(text.substr(copied));
    return decoded;
}

}  // namespace zendal
