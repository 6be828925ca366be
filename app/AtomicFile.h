#pragma once

#include <string>

namespace zendal {

// Saving that never leaves a half-written file: the bytes go to a temporary file beside the
// target, which is then renamed over it.
class AtomicFile {
  public:
    // Keeps the mode bits of the file it replaces; a symbolic link stays a link and its target
    // is replaced. Throws EFileCreate naming path.
    static void Write(const std::string& path, const std::string& bytes);
};

}  // namespace zendal
