#pragma once

#include <cstdint>
#include <exception>
#include <functional>
#include <string>

namespace zendal {

// Base of the non-visual components: an error code and text, whether errors raise an
// exception, and a handler for error notifications.
class TCore {
  public:
    using ErrorNotifyEvent = std::function<void(TCore& sender, int first, int second)>;

    TCore() = default;
    virtual ~TCore() = default;
    TCore(const TCore&) = delete;
    TCore& operator=(const TCore&) = delete;

    std::int32_t ErrorCode() const { return errorCode_; }
    const std::string& ErrorText() const { return errorText_; }
    bool RaiseErrors() const { return raiseErrors_; }
    void SetRaiseErrors(bool raise) { raiseErrors_ = raise; }

    ErrorNotifyEvent OnErrorNotify;

    // The exception that SetError raises for an error.
    virtual std::exception_ptr MakeErrorException(std::int32_t code, const std::string& text);
    // Records an error (code 0 is none and is ignored); an empty text stands for the code's
    // description. Raises the error's exception when RaiseErrors is set.
    virtual void SetError(std::int32_t code, const std::string& text);
    // Passes a notification to OnErrorNotify when one is bound.
    virtual void Notify(int first, int second);
    virtual bool Initialize();
    // Copies the base's handler from another component.
    virtual void CloneFromComponent(const TCore& source);

    // "Ok" for 0, else "[code] text." with the code as an unsigned 16-bit number.
    static std::string Description(std::int32_t code);

  private:
    std::int32_t errorCode_ = 0;
    std::string errorText_;
    bool raiseErrors_ = true;
};

}  // namespace zendal
