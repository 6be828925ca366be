#include "cli/CliMessagePort.h"

#include <ostream>

namespace zendal::cli {

CliMessagePort::CliMessagePort(std::ostream& out) : out_(out) {}

std::string CliMessagePort::WithLFBreaks(const std::string& text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            result += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
        } else {
            result += text[i];
        }
    }
    return result;
}

void CliMessagePort::Show(Box, Outcome outcome, const std::string& text) {
    out_ << WithLFBreaks(text) << '\n' << std::flush;
    if (outcome == Outcome::Failure) {
        failureShown_ = true;
    }
}

bool CliMessagePort::AskYesNo(const std::string& text) {
    out_ << WithLFBreaks(text) << '\n' << std::flush;
    return true;
}

}  // namespace zendal::cli
