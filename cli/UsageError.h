#pragma once

#include <stdexcept>
#include <string>

namespace zendal::cli {

// A usage error (unknown option, missing argument): exit status 2 with the usage text.
class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

}  // namespace zendal::cli
