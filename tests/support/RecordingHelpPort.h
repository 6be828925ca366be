#pragma once

#include <vector>

#include "base/HelpPort.h"

namespace zendal::test {

// A help viewer that notes the number of every context it is asked to show.
struct RecordingHelpPort : HelpPort {
    void ShowContext(HelpContext context) override {
        contexts.push_back(static_cast<int>(context));
    }
    std::vector<int> contexts;
};

}  // namespace zendal::test
