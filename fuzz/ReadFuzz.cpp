// The full read of a document, as zendal-cli read does it: any bytes are decoded, the head
// section extracted and normalised and the meta tags read into the wizard fields. Nothing may
// crash or hang, and no failure other than the system's own may reach a message box.
//
// Input layout: byte 0 chooses the custom grid's meta names (bits 0 to 3) and a second read
// by one of the page buttons (bits 4 and 5); the rest is the document file.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/FuzzDocument.h"
#include "head/ReadCommands.h"

namespace {

// Names as a user types them into the custom grid, some of them those of the fixed fields.
const char* const kCustomNames[] = {"author", " Refresh ", "x-Custom-Tag", "KEYWORDS"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) {
        return 0;
    }
    const std::uint8_t choice = data[0];
    FuzzDocument document(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));
    zendal::Wizard& wizard = document.wizard;
    for (std::size_t i = 0; i < 4; ++i) {
        if (choice & (1u << i)) {
            wizard.fields.grid1[i].name = kCustomNames[i];
        }
    }
    zendal::ReadCommands commands(wizard);
    // A failure that the read does not turn into a message of its own goes on to the general
    // handler, as zendal-cli's; it must still be one of the system's.
    try {
        if (commands.xread() != (document.messages.shown == 0)) {
            std::abort();
        }
        switch ((choice >> 4) & 3) {
            case 1:
                commands.Button15Click();
                break;
            case 2:
                commands.rhtmloptClick();
                break;
            case 3:
                commands.SpeedButton14Click();
                break;
            default:
                break;
        }
    } catch (const zendal::ZendalError&) {
    }
    return 0;
}
