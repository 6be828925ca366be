#include "head/HeadHarness.h"

#include <algorithm>
#include <filesystem>

#include "head/HeadSection.h"
#include "support/TestSupport.h"

namespace zendal::test {

std::string HeadFixtureText(const std::string& fixture) {
    return ReadFile(Fixture("head/" + fixture));
}

void HeadHarness::OpenText(const std::string& name, const std::string& text) {
    host.fileName = name;
    host.text = text;
    wizard.activeDocument = name;
    wizard.fileList = {name};
}

void HeadHarness::Open(const std::string& fixture) {
    OpenText("/docs/" + fixture, HeadFixtureText(fixture));
}

void HeadHarness::LoadHead() {
    buffer.Clear();
    buffer.AppendText(host.text);
    HeadSection::ExtractHeadSection(wizard);
    buffer.SetCRLFLineBreaks();
}

std::vector<std::string> HeadHarness::Lines() const {
    std::vector<std::string> lines;
    for (long i = 0; i < buffer.LineCount(); ++i) {
        lines.emplace_back(buffer.GetLine(i));
    }
    while (!lines.empty() && lines.back().empty()) {
        lines.pop_back();
    }
    return lines;
}

std::vector<std::string> RealPages(std::size_t limit) {
    namespace fs = std::filesystem;
    std::vector<std::string> pages;
    std::error_code error;
    fs::recursive_directory_iterator it("/usr/share/doc",
                                        fs::directory_options::skip_permission_denied, error);
    if (error) {
        return pages;
    }
    for (const fs::directory_entry& entry : it) {
        std::error_code ignored;
        if (entry.path().extension() == ".html" && entry.is_regular_file(ignored)) {
            pages.push_back(entry.path().string());
        }
    }
    std::sort(pages.begin(), pages.end());
    if (pages.size() > limit) {
        pages.resize(limit);
    }
    return pages;
}

}  // namespace zendal::test
