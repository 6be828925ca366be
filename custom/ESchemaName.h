#pragma once

#include "base/ZendalError.h"

namespace zendal {

// A schema name that cannot name a file inside the schemas folder.
class ESchemaName : public ZendalError {
  public:
    explicit ESchemaName(const std::string& name)
        : ZendalError("The schema name \"" + name +
                      "\" cannot be used as a file name: a schema name may not hold \"/\", "
                      "\"\\\", \"..\" or control characters") {}
};

}  // namespace zendal
