// Parses any bytes as a schema file into a fresh custom grid: nothing may crash, a file that is
// refused leaves the grid as it was, and a grid that was parsed, saved and parsed again into
// another fresh grid is the same grid.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/WizardFields.h"
#include "custom/CustomGrid.h"
#include "custom/ESchemaFile.h"
#include "custom/SchemaFile.h"

using zendal::CustomGrid;
using zendal::SchemaFile;
using zendal::WizardFields;

namespace {

bool SameGrid(const WizardFields& a, const WizardFields& b) {
    return a.grid1 == b.grid1 && a.grid1Frame == b.grid1Frame;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    WizardFields parsed;
    CustomGrid grid(parsed);
    try {
        SchemaFile::Parse(bytes, "fuzz.zds", grid);
    } catch (const zendal::ESchemaFile&) {
        if (!SameGrid(parsed, WizardFields())) {
            std::abort();
        }
        return 0;
    }
    const std::string saved = SchemaFile::Format(grid);
    WizardFields again;
    CustomGrid againGrid(again);
    SchemaFile::Parse(saved, "fuzz.zds", againGrid);
    if (!SameGrid(parsed, again) || SchemaFile::Format(againGrid) != saved) {
        std::abort();
    }
    return 0;
}
