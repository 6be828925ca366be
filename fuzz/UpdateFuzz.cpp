// The update of a document, as zendal-cli update does it: the document is read, field values
// from the input are put into the wizard, the tags generated, the blank ones removed when asked
// and the head rewritten. Nothing may crash or hang, no failure other than the system's own may
// reach a message box, the text after the head section stays as it was, and the new document
// is read again.
//
// Input layout: byte 0 holds the switches (bit 0 remove blanks, bit 1 pragma no-cache), bytes
// 1 to 3 choose the fields that get a text; then one text per chosen field, each ended by a
// byte 0, in the order of kSlots; what follows is the document file.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "base/AsciiText.h"
#include "fuzz/FuzzDocument.h"
#include "head/ReadCommands.h"
#include "update/TagGeneration.h"
#include "update/UpdateCommand.h"

namespace {

using zendal::AsciiText;
using zendal::WizardFields;

// A text field, or a cell of the custom grid's first two rows.
struct Slot {
    std::string WizardFields::*field;
    int row;     // custom grid row when field is null
    bool value;  // its value cell, else its name cell
};

const Slot kSlots[] = {
    {&WizardFields::edit22, 0, false},
    {&WizardFields::edit1, 0, false},
    {&WizardFields::Titlebox, 0, false},
    {&WizardFields::Edit4, 0, false},
    {&WizardFields::ComboBox1, 0, false},
    {&WizardFields::ComboBox3, 0, false},
    {&WizardFields::ComboBox2, 0, false},
    {&WizardFields::ComboBox5, 0, false},
    {&WizardFields::Edit6, 0, false},
    {&WizardFields::Edit7, 0, false},
    {&WizardFields::ComboBox4, 0, false},
    {&WizardFields::Edit3, 0, false},
    {&WizardFields::Edit2, 0, false},
    {nullptr, 0, false},
    {nullptr, 0, true},
    {nullptr, 1, false},
    {nullptr, 1, true},
};

// The text after the head section: after the first </HEAD>, which lies before the body start.
// Empty for a document without one, which the update refuses.
std::string_view AfterHead(std::string_view text) {
    std::size_t body = AsciiText::Find(text, "<BODY");
    if (body == AsciiText::npos) {
        body = AsciiText::Find(text, "<FRAMESET");
    }
    const std::size_t end = AsciiText::Find(text, "</HEAD>");
    if (body == AsciiText::npos || end == AsciiText::npos || end > body) {
        return {};
    }
    return text.substr(end + 7);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4) {
        return 0;
    }
    const std::uint8_t switches = data[0];
    const std::uint32_t chosen = data[1] | data[2] << 8 | data[3] << 16;
    std::string_view rest(reinterpret_cast<const char*>(data) + 4, size - 4);

    // The field texts: what zendal-cli takes from its arguments, which hold no byte 0.
    struct Text {
        const Slot* slot;
        std::string text;
    };
    std::vector<Text> texts;
    for (std::size_t i = 0; i < std::size(kSlots); ++i) {
        if (chosen & (1u << i)) {
            const std::size_t end = rest.find('\0');
            if (end == std::string_view::npos) {
                return 0;
            }
            texts.push_back({&kSlots[i], std::string(rest.substr(0, end))});
            rest.remove_prefix(end + 1);
        }
    }

    FuzzDocument document(rest);
    zendal::Wizard& wizard = document.wizard;
    const std::string original = document.host.text;
    // The names of the custom grid apply before the read, so that it fills their values.
    for (const Text& t : texts) {
        if (t.slot->field == nullptr && !t.slot->value) {
            wizard.fields.grid1[t.slot->row].name = t.text;
        }
    }
    zendal::ReadCommands commands(wizard);
    try {
        if (!commands.xread()) {
            return 0;
        }
    } catch (const zendal::ZendalError&) {
        return 0;  // shown by the general handler; zendal-cli goes on with the next file
    }
    for (const Text& t : texts) {
        if (t.slot->field != nullptr) {
            wizard.fields.*(t.slot->field) = t.text;
        } else if (t.slot->value) {
            wizard.fields.grid1[t.slot->row].value = t.text;
        }
    }
    wizard.fields.CheckBox4 = (switches & 1) != 0;
    wizard.fields.CheckBox1 = (switches & 2) != 0;
    wizard.fields.CheckBox2 = false;  // no backup copies of a file that is not on disk
    zendal::TagGeneration tags(wizard);
    tags.TabSheet5Enter();
    zendal::UpdateCommand update(wizard, tags);
    update.showFinalMessage = false;
    update.Button34Click();
    if (update.WrittenCount() != 1 || update.FailureShown()) {
        return 0;
    }

    // The rewritten text ends with the original text after the head, its last line ended.
    const std::string& updated = document.host.text;
    std::string after(AfterHead(original));
    if (!after.empty() && !after.ends_with("\r\n")) {
        after += "\r\n";
    }
    if (!updated.ends_with(after)) {
        std::abort();
    }
    document.EncodedBytes();

    if (std::getenv("ZENDAL_FUZZ_VERBOSE") != nullptr) {
        std::fprintf(stderr, "updated text:\n");
        std::fwrite(updated.data(), 1, updated.size(), stderr);
    }
    // The new document is read again. Values go into the tags as typed and a broken head stays
    // broken, so the read may refuse it; it must do so with the system's own messages.
    wizard.fields = WizardFields();
    try {
        commands.xread();
    } catch (const zendal::ZendalError&) {
    }
    return 0;
}
