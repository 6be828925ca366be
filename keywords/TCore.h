#pragma once

namespace zendal {

// The base of the non-visual components; TXMLp derives from it. It holds nothing of its own: the
// error code, text and notifications it once carried were never used by the parser.
class TCore {
  public:
    TCore() = default;
    virtual ~TCore() = default;
    TCore(const TCore&) = delete;
    TCore& operator=(const TCore&) = delete;

    // Copies what a component takes over from another one; the base has nothing to copy.
    virtual void CloneFromComponent(const TCore& /*source*/) {}
};

}  // namespace zendal
