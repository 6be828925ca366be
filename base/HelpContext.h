#pragma once

namespace zendal {

// The help contexts that the windows open: one help page each (data/help/), numbered as the
// contexts of Zendal's help have always been.
enum class HelpContext : int {
    Contents = 0,
    KeyWordsPage = 1,
    OptionsPage = 2,
    CustomPage = 3,
    GeneratePage = 4,
    AnalysisPage = 5,
    CreatingDocuments = 8,
    HowZendalWorks = 11,
    PromotionFaq = 13,
    KeyWordGenerator = 17,
    MetaTags = 18,
    RuleBase = 20,
    WhatsNew = 77,
};

// The page of each context, in the order of the contents.
struct HelpPage {
    HelpContext context;
    const char* file;
};

inline constexpr HelpPage kHelpPages[] = {
    {HelpContext::Contents, "contents.html"},
    {HelpContext::KeyWordsPage, "keywords-page.html"},
    {HelpContext::OptionsPage, "options-page.html"},
    {HelpContext::CustomPage, "custom-page.html"},
    {HelpContext::GeneratePage, "generate-page.html"},
    {HelpContext::AnalysisPage, "analysis-page.html"},
    {HelpContext::CreatingDocuments, "creating-documents.html"},
    {HelpContext::HowZendalWorks, "how-zendal-works.html"},
    {HelpContext::PromotionFaq, "promotion-faq.html"},
    {HelpContext::KeyWordGenerator, "keyword-generator.html"},
    {HelpContext::MetaTags, "meta-tags.html"},
    {HelpContext::RuleBase, "rule-base.html"},
    {HelpContext::WhatsNew, "whats-new.html"},
};

}  // namespace zendal
