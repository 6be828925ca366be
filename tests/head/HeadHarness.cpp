#include "head/HeadHarness.h"

#include <algorithm>
#include <filesystem>

#include "head/HeadSection.h"
#include "support/MachinePages.h"
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
    HeadSection::ExtractHeadSection(buffer, wizard.activeDocument);
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
    std::vector<std::string> pages;
    for (const std::filesystem::path& page : SpreadSample(MachinePages(), limit)) {
        pages.push_back(page.string());
    }
    return pages;
}

}  // namespace zendal::test
