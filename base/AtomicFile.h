#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace zendal {

// Saving that never leaves a half-written file: the bytes go to a temporary file beside the
// target, which is then renamed over it.
class AtomicFile {
  public:
    // Takes one piece of the file's bytes after the other.
    using Sink = std::function<void(std::string_view piece)>;

    // Keeps the mode bits of the file it replaces; a symbolic link stays a link and its target
    // is replaced. Throws EFileCreate naming path.
    static void Write(const std::string& path, std::string_view bytes);
    // The same with bytes that produce gives the sink piece by piece, so that they never need
    // to be in memory all at once.
    static void Write(const std::string& path, const std::function<void(const Sink&)>& produce);
};

}  // namespace zendal
