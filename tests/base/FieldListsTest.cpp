#include "base/FieldLists.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

using zendal::FieldLists;

namespace {

// The items of a list written as "a, b, c".
std::vector<std::string> Items(const std::string& text) {
    std::vector<std::string> items;
    std::size_t start = 0;
    for (std::size_t comma; (comma = text.find(", ", start)) != std::string::npos;
         start = comma + 2) {
        items.push_back(text.substr(start, comma - start));
    }
    items.push_back(text.substr(start));
    return items;
}

TEST(FieldLists, ShortListsStartWithAnEmptyEntry) {
    using List = std::vector<std::string>;
    EXPECT_EQ(FieldLists::Robots(),
              (List{"", "ALL", "FOLLOW", "INDEX", "NOINDEX", "NOINDEX, FOLLOW"}));
    EXPECT_EQ(FieldLists::Distribution(), (List{"", "Global", "Local"}));
    EXPECT_EQ(FieldLists::Rating(),
              (List{"", "14 YEARS", "GENERAL", "MATURE", "RESTRICTED", "SAFE FOR KIDS"}));
}

TEST(FieldLists, LanguageHas123SortedCodesWithEnAndSrTwice) {
    const std::vector<std::string>& list = FieldLists::Language();
    std::vector<std::string> expected = Items(
        "af, ar-ae, ar-bh, ar-dz, ar-eg, ar-iq, ar-jo, ar-kw, ar-lb, ar-ly, ar-ma, ar-om, ar-qa, "
        "ar-sa, ar-sy, ar-tn, ar-ye, be, bg, ca, cs, da, de, de-at, de-ch, de-li, de-lu, el, en, "
        "en, en-au, en-bz, en-ca, en-gb, en-ie, en-jm, en-nz, en-tt, en-us, en-za, es, es-ar, "
        "es-bo, es-cl, es-co, es-cr, es-do, es-ec, es-gt, es-hn, es-mx, es-ni, es-pa, es-pe, "
        "es-pr, es-py, es-sv, es-uy, es-ve, et, eu, fa, fi, fo, fr, fr-be, fr-ca, fr-ch, fr-lu, "
        "gd, gd-ie, he, hi, hr, hu, in, is, it, it-ch, ja, ji, ko, lt, lv, mk, ms, mt, nl, nl-be, "
        "no, pl, pt, pt-br, rm, ro, ro-mo, ru, ru-mo, sb, sk, sl, sq, sr, sr, sv, sv-fi, sx, sz, "
        "th, tn, tr, ts, uk, ur, us, ve, vi, xh, zh-cn, zh-hk, zh-sg, zh-tw, zu");
    ASSERT_EQ(expected.size(), 123u);
    expected.insert(expected.begin(), "");
    EXPECT_EQ(list, expected);
    EXPECT_TRUE(std::is_sorted(list.begin(), list.end()));
    EXPECT_EQ(std::count(list.begin(), list.end(), "en"), 2);
    EXPECT_EQ(std::count(list.begin(), list.end(), "sr"), 2);
    EXPECT_EQ(std::count(list.begin(), list.end(), "en-us"), 1);
}

TEST(FieldLists, ClassificationKeeps69EntriesInOrderBetweenTwoEmptyOnes) {
    std::vector<std::string> expected = Items(
        "Advertising, Agriculture, Antiques, Arts and Crafts, Avaition, Bar, Business Banking, "
        "Business Supplies, Business and Economy, Career Services, Catalogs, Children, Christmas, "
        "Commercial, Communications, Computers Multimedia, Computers, Construction, Consumer, "
        "Consumer Children, Consumer Electronics, Design, Drinks, Education, Family, Family "
        "Services, Flags, Flowers, Flowers and Gardening, Food and Beverage, Freelance Services, "
        "Fund Raising, General Hardware, General merchandise, General Software, Gift baskets, "
        "Gifts, Government, Hardware, Hardware Peripherals, Health, Health Nursing, Hobbies, "
        "Human Resources, Index Site, Internet Services, Macintosh, Mass Storage, Math, Media, "
        "Media Services, Medical, Medical Dentistry, Medical Equipment, Museums, Personal, "
        "Recreation, Science, Security Services, Social Science, Software, Sports, Tourism, "
        "Tourism Airlines, Travel Agents, Veterinary, Web Hosting, Web Programming, Web Site "
        "Promotion");
    ASSERT_EQ(expected.size(), 69u);
    expected.insert(expected.begin(), "");
    expected.push_back("");
    EXPECT_EQ(FieldLists::Classification(), expected);
}

}  // namespace
