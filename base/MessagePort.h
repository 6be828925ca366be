#pragma once

#include <string>

namespace zendal {

// Modal message boxes. The windows show real boxes; tests and zendal-cli answer from a script.
class MessagePort {
  public:
    enum class Box { Plain, Error };
    // Whether the box reports a failure of the command (zendal-cli exits 1 after one).
    enum class Outcome { Info, Failure };

    virtual ~MessagePort() = default;
    virtual void Show(Box box, Outcome outcome, const std::string& text) = 0;
    // A confirmation box with Yes and No; true for Yes.
    virtual bool AskYesNo(const std::string& text) = 0;

    void Message(const std::string& text) { Show(Box::Plain, Outcome::Info, text); }
    void Failure(const std::string& text) { Show(Box::Plain, Outcome::Failure, text); }
    void Error(const std::string& text) { Show(Box::Error, Outcome::Failure, text); }
};

}  // namespace zendal
