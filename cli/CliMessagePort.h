#pragma once

#include <iosfwd>

#include "base/MessagePort.h"

namespace zendal::cli {

// Message boxes on standard error: one message per box, every line break written as LF, the
// message followed by LF. Questions are answered Yes. Remembers whether a failure was shown.
class CliMessagePort : public MessagePort {
  public:
    explicit CliMessagePort(std::ostream& out);
    void Show(Box box, Outcome outcome, const std::string& text) override;
    bool AskYesNo(const std::string& text) override;

    bool FailureShown() const { return failureShown_; }

    // CR, LF and CR LF each become LF.
    static std::string WithLFBreaks(const std::string& text);

  private:
    std::ostream& out_;
    bool failureShown_ = false;
};

}  // namespace zendal::cli
