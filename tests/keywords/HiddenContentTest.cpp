#include "keywords/HiddenContent.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zendal {
namespace {

TEST(HiddenContent, RemovesCommentsScriptsStylesNoscriptAndTemplates) {
    struct Case {
        std::string html;
        std::string visible;
    };
    const std::vector<Case> cases = {
        {"a<script>x<y && y>z</script>b", "a b"},
        {"a<SCRIPT type=\"text/javascript\">s='</b>'</Script >b", "a b"},
        {"a<style>p>b{}</style>b", "a b"},
        {"a<!-- c -->b<!---->c<!-->d<!--->e", "a b c d e"},
        {"a<!-- <script> -->b<script>x</script>c", "a b c"},
        {"a<noscript><p>on</p></noscript>b", "a b"},
        {"a<template><template>in</template>still</template>b", "a b"},
        {"a<script src=\"x.js\"/>b", "a b"},
        {"a<script data-x=\"a>b\">x</script>b", "a b"},
        {"a<scripts>kept</scripts> <stylesheet>", "a<scripts>kept</scripts> <stylesheet>"},
        {"<p class=x>kept</p> a<b", "<p class=x>kept</p> a<b"},
        {"a<script>never closed", "a "},
        {"a<!-- never closed", "a "},
        {"", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HiddenContent::Remove(c.html), c.visible) << c.html;
    }
}

}  // namespace
}  // namespace zendal
