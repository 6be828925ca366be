#pragma once

#include "base/ZendalError.h"

namespace zendal {

// A schema file that cannot be loaded: missing, unreadable or corrupt.
class ESchemaFile : public ZendalError {
  public:
    static ESchemaFile NotFound(const std::string& fileName) {
        return ESchemaFile("File " + fileName + " not found");
    }
    static ESchemaFile Corrupt(const std::string& fileName) {
        return ESchemaFile("File contains no data or corrupt file " + fileName);
    }

  private:
    using ZendalError::ZendalError;
};

}  // namespace zendal
