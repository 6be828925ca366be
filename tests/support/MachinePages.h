#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace zendal::test {

// Every HTML file (.html, .htm, .xhtml) under the machine's documentation folders: Debian's
// /usr/share/doc and those of the installed toolchains, whichever exist. Sorted by path.
std::vector<std::filesystem::path> MachinePages();

// Up to count pages spread evenly over the list, in its order.
std::vector<std::filesystem::path> SpreadSample(const std::vector<std::filesystem::path>& pages,
                                                std::size_t count);

// The pages a real-pages test checks: all of them, or an even sample of 1500 in the build with
// sanitizers, which is many times slower.
std::vector<std::filesystem::path> PagesToCheck(const std::vector<std::filesystem::path>& pages);

// Fails the running test with the first faults found over the pages (one failure each, up to
// 20) and their number.
void ExpectNoFaults(const std::vector<std::string>& faults);

}  // namespace zendal::test
