#pragma once

#include <cstddef>
#include <filesystem>
#include <vector>

namespace zendal::test {

// Every HTML file (.html, .htm, .xhtml) under the machine's documentation folders: Debian's
// /usr/share/doc and those of the installed toolchains, whichever exist. Sorted by path.
std::vector<std::filesystem::path> MachinePages();

// Up to count pages spread evenly over the list, in its order.
std::vector<std::filesystem::path> SpreadSample(const std::vector<std::filesystem::path>& pages,
                                                std::size_t count);

}  // namespace zendal::test
