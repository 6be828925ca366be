#include "base/FieldLists.h"

namespace zendal {

const std::vector<std::string>& FieldLists::Robots() {
    static const std::vector<std::string> list = {"",      "ALL",     "FOLLOW",
                                                  "INDEX", "NOINDEX", "NOINDEX, FOLLOW"};
    return list;
}

const std::vector<std::string>& FieldLists::Distribution() {
    static const std::vector<std::string> list = {"", "Global", "Local"};
    return list;
}

const std::vector<std::string>& FieldLists::Rating() {
    static const std::vector<std::string> list = {"",       "14 YEARS",   "GENERAL",
                                                  "MATURE", "RESTRICTED", "SAFE FOR KIDS"};
    return list;
}

// Sorted; en and sr are listed twice, as the field has always offered them.
const std::vector<std::string>& FieldLists::Language() {
    static const std::vector<std::string> list = {
        "",      "af",    "ar-ae", "ar-bh", "ar-dz", "ar-eg", "ar-iq", "ar-jo", "ar-kw", "ar-lb",
        "ar-ly", "ar-ma", "ar-om", "ar-qa", "ar-sa", "ar-sy", "ar-tn", "ar-ye", "be",    "bg",
        "ca",    "cs",    "da",    "de",    "de-at", "de-ch", "de-li", "de-lu", "el",    "en",
        "en",    "en-au", "en-bz", "en-ca", "en-gb", "en-ie", "en-jm", "en-nz", "en-tt", "en-us",
        "en-za", "es",    "es-ar", "es-bo", "es-cl", "es-co", "es-cr", "es-do", "es-ec", "es-gt",
        "es-hn", "es-mx", "es-ni", "es-pa", "es-pe", "es-pr", "es-py", "es-sv", "es-uy", "es-ve",
        "et",    "eu",    "fa",    "fi",    "fo",    "fr",    "fr-be", "fr-ca", "fr-ch", "fr-lu",
        "gd",    "gd-ie", "he",    "hi",    "hr",    "hu",    "in",    "is",    "it",    "it-ch",
        "ja",    "ji",    "ko",    "lt",    "lv",    "mk",    "ms",    "mt",    "nl",    "nl-be",
        "no",    "pl",    "pt",    "pt-br", "rm",    "ro",    "ro-mo", "ru",    "ru-mo", "sb",
        "sk",    "sl",    "sq",    "sr",    "sr",    "sv",    "sv-fi", "sx",    "sz",    "th",
        "tn",    "tr",    "ts",    "uk",    "ur",    "us",    "ve",    "vi",    "xh",    "zh-cn",
        "zh-hk", "zh-sg", "zh-tw", "zu",
    };
    return list;
}

// In the order the field has always offered them, not sorted, between two empty entries.
const std::vector<std::string>& FieldLists::Classification() {
    static const std::vector<std::string> list = {
        "",
        "Advertising",
        "Agriculture",
        "Antiques",
        "Arts and Crafts",
        "Avaition",
        "Bar",
        "Business Banking",
        "Business Supplies",
        "Business and Economy",
        "Career Services",
        "Catalogs",
        "Children",
        "Christmas",
        "Commercial",
        "Communications",
        "Computers Multimedia",
        "Computers",
        "Construction",
        "Consumer",
        "Consumer Children",
        "Consumer Electronics",
        "Design",
        "Drinks",
        "Education",
        "Family",
        "Family Services",
        "Flags",
        "Flowers",
        "Flowers and Gardening",
        "Food and Beverage",
        "Freelance Services",
        "Fund Raising",
        "General Hardware",
        "General merchandise",
        "General Software",
        "Gift baskets",
        "Gifts",
        "Government",
        "Hardware",
        "Hardware Peripherals",
        "Health",
        "Health Nursing",
        "Hobbies",
        "Human Resources",
        "Index Site",
        "Internet Services",
        "Macintosh",
        "Mass Storage",
        "Math",
        "Media",
        "Media Services",
        "Medical",
        "Medical Dentistry",
        "Medical Equipment",
        "Museums",
        "Personal",
        "Recreation",
        "Science",
        "Security Services",
        "Social Science",
        "Software",
        "Sports",
        "Tourism",
        "Tourism Airlines",
        "Travel Agents",
        "Veterinary",
        "Web Hosting",
        "Web Programming",
        "Web Site Promotion",
        "",
    };
    return list;
}

}  // namespace zendal
