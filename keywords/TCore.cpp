#include "keywords/TCore.h"

#include "keywords/ECoreError.h"

namespace zendal {

std::exception_ptr TCore::MakeErrorException(std::int32_t code, const std::string& text) {
    return std::make_exception_ptr(ECoreError(code, text));
}

void TCore::SetError(std::int32_t code, const std::string& text) {
    if (code == 0) {
        return;
    }
    errorCode_ = code;
    errorText_ = text.empty() ? Description(code) : text;
    if (raiseErrors_) {
        std::rethrow_exception(MakeErrorException(errorCode_, errorText_));
    }
}

void TCore::Notify(int first, int second) {
    if (OnErrorNotify) {
        OnErrorNotify(*this, first, second);
    }
}

bool TCore::Initialize() {
    return true;
}

void TCore::CloneFromComponent(const TCore& source) {
    OnErrorNotify = source.OnErrorNotify;
}

std::string TCore::Description(std::int32_t code) {
    if (code == 0) {
        return "Ok";
    }
    // No code of this system has a text of its own.
    return "[" + std::to_string(static_cast<std::uint16_t>(code)) + "] (no description available).";
}

}  // namespace zendal
