#pragma once

#include <stdexcept>
#include <string>

namespace zendal {

// Base of the system's own failures: each carries the message text that a command shows.
class ZendalError : public std::runtime_error {
  public:
    explicit ZendalError(const std::string& message) : std::runtime_error(message) {}
    std::string Message() const { return what(); }
};

}  // namespace zendal
