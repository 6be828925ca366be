#pragma once

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include "base/MessagePort.h"
#include "base/ZendalError.h"

// Message boxes that show nothing and answer Yes. The commands turn the failures they expect
// (ZendalError) into boxes, and a general handler turns any other exception into an error box
// too; a box shown while such another exception is being handled is a fault of the code, so
// it ends the run. With ZENDAL_FUZZ_VERBOSE set in the environment every box is printed.
class FuzzMessages : public zendal::MessagePort {
  public:
    void Show(Box, Outcome outcome, const std::string& text) override {
        ++shown;
        if (std::getenv("ZENDAL_FUZZ_VERBOSE") != nullptr) {
            std::fprintf(stderr, "message: %s\n", text.c_str());
        }
        if (outcome == Outcome::Failure) {
            ++failures;
        }
        const std::exception_ptr handled = std::current_exception();
        if (!handled) {
            return;
        }
        try {
            std::rethrow_exception(handled);
        } catch (const zendal::ZendalError&) {
        } catch (...) {
            std::fprintf(stderr, "unexpected exception shown as a message: %s\n", text.c_str());
            std::abort();
        }
    }
    bool AskYesNo(const std::string&) override { return true; }

    int shown = 0;
    int failures = 0;
};
