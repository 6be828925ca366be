#pragma once

#include <string>
#include <vector>

#include "base/Wizard.h"
#include "head/HeadBlock.h"
#include "support/MemoryHost.h"
#include "support/RecordingStatusPort.h"
#include "support/ScriptedMessagePort.h"

namespace zendal::test {

// A wizard over an in-memory host whose active document is a fixture of tests/data/head.
struct HeadHarness {
    ScriptedMessagePort messages;
    RecordingStatusPort status;
    MemoryHost host;
    Wizard wizard{messages, status};
    LineBuffer& buffer = wizard.htmlrichedit;

    HeadHarness() { wizard.host = &host; }

    // Makes the text the host's active document under the given name.
    void OpenText(const std::string& name, const std::string& text);
    void Open(const std::string& fixture);
    // Loads the document's head section into the buffer with CR LF breaks, as the reads do.
    void LoadHead();
    // The head block over the buffer, reporting to the status bar.
    HeadBlock Block() { return HeadBlock(buffer, status, wizard.activeDocument); }
    // The buffer's lines without the empty lines at its end.
    std::vector<std::string> Lines() const;
};

std::string HeadFixtureText(const std::string& fixture);

// Up to limit HTML files under /usr/share/doc, in path order; empty when there are none.
std::vector<std::string> RealPages(std::size_t limit);

}  // namespace zendal::test
