#include "base/CustomRow.h"

#include "base/AsciiText.h"

namespace zendal {

std::string CustomRow::MetaName() const {
    return AsciiText::Lower(AsciiText::Trim(name));
}

std::string CustomRow::MetaValue() const {
    return std::string(AsciiText::Trim(value));
}

}  // namespace zendal
