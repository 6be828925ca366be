#pragma once

#include <cstddef>

namespace zendal {

// How far a long run has come, shown to the user, who may cancel it. The run reports from
// time to time; a window answers by letting its events be processed, so that it repaints and
// sees the user's keys.
class RunProgress {
  public:
    virtual ~RunProgress() = default;
    // done of total units; false when the user has asked to stop.
    virtual bool Advance(std::size_t done, std::size_t total) = 0;
    // The run has ended, finished or cancelled.
    virtual void Finish() = 0;
};

}  // namespace zendal
