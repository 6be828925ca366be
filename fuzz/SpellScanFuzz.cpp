// The spell checker's run over any text, with a small dictionary: each word that stops the run
// is answered with a choice that the input picks (ignore, ignore all, change or change all to
// a text of the input, add, cancel, ask for suggestions, or edit the text meanwhile). Nothing
// may crash, no failure other than the system's own may reach a message box, and every run must
// end: once the choices are used up every stop is ignored, and a run that stops far more often
// than its text could need counts as a hang.
//
// Input layout: byte 0 holds the switches (bit 0 markup support, bit 1 a user dictionary), then
// the text up to the first byte 0, then the choices.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>

#include "fuzz/FuzzMessages.h"
#include "spell/HeadlessSpellDialog.h"
#include "spell/MemoryEditControl.h"
#include "spell/TDCTCompiler.h"
#include "spell/TSpellDlg.h"

using zendal::TSpellDlg;

namespace {

void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// The program folder with the dictionary and the automatic corrections, made once per process
// and removed at its end.
class Home {
  public:
    Home()
        : path_(std::filesystem::temp_directory_path() /
                ("zendal-spellscan-fuzz-" + std::to_string(getpid()))) {
        std::filesystem::create_directories(path_);
        zendal::TDCTCompiler compiler({.dropPossessives = true});
        WriteFile(path_ / "zendal.dct",
                  compiler.Compile({"a", "the", "meta", "dog", "dogs", "dictionary", "diction",
                                    "key", "words", "in", "tag", "receive", "can't", "html",
                                    "caf\xC3\xA9", "zendal"}));
        WriteFile(path_ / "autofix.txt", "teh=the\r\nrecieve=receive\r\nkye=key words\r\n");
    }
    ~Home() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    Home(const Home&) = delete;
    Home& operator=(const Home&) = delete;

    const std::filesystem::path& Path() const { return path_; }

  private:
    std::filesystem::path path_;
};

// Reads the choices one byte at a time; zeros once they are used up.
class Choices {
  public:
    explicit Choices(std::string_view bytes) : bytes_(bytes) {}
    bool Empty() const { return bytes_.empty(); }
    std::uint8_t Byte() {
        if (bytes_.empty()) {
            return 0;
        }
        const auto byte = static_cast<std::uint8_t>(bytes_.front());
        bytes_.remove_prefix(1);
        return byte;
    }
    std::string Text() {
        const std::size_t length = std::min<std::size_t>(Byte() % 16, bytes_.size());
        std::string text(bytes_.substr(0, length));
        bytes_.remove_prefix(length);
        return text;
    }

  private:
    std::string_view bytes_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) {
        return 0;
    }
    const std::uint8_t switches = data[0];
    std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::size_t textEnd = std::min(rest.find('\0'), rest.size());
    const std::string text(rest.substr(0, textEnd));
    Choices choices(rest.substr(std::min(textEnd + 1, rest.size())));

    static const Home folder;
    const std::filesystem::path& home = folder.Path();
    std::error_code ignored;
    std::filesystem::remove(home / "CUSTOM.DCT", ignored);
    FuzzMessages messages;
    TSpellDlg speller(messages, home.string() + "/");
    speller.properties.supportHTML = (switches & 1) != 0;
    if ((switches & 2) == 0) {
        speller.properties.userDictionary.clear();
    }
    zendal::HeadlessSpellDialog dialog;
    speller.SetDialog(&dialog);
    zendal::MemoryEditControl memo(text);

    const std::size_t maxStops = 1000 + 8 * size;
    std::size_t stops = 0;
    std::optional<int> result = speller.CheckEdit(memo);
    while (!result) {
        if (++stops > maxStops || !speller.Running()) {
            std::abort();
        }
        int answer = TSpellDlg::kIgnore;
        switch (choices.Byte() % 9) {
            case 1:
                answer = TSpellDlg::kIgnoreAll;
                break;
            case 2:
                dialog.replacement = choices.Text();
                answer = TSpellDlg::kChange;
                break;
            case 3:
                dialog.replacement = choices.Text();
                answer = TSpellDlg::kChangeAll;
                break;
            case 4:
                answer = TSpellDlg::kAdd;
                break;
            case 5:
                answer = TSpellDlg::kCancel;
                break;
            case 6:
                dialog.replacement = choices.Text();
                speller.Suggest();
                if (!dialog.suggestions.empty()) {
                    dialog.replacement = dialog.suggestions.front();
                    answer = TSpellDlg::kChange;
                }
                break;
            case 7:
                dialog.replacement = choices.Text();
                speller.QuickSuggest(choices.Byte(), false);
                break;
            case 8: {
                // The user edits the text while the dialog waits.
                std::string edited = memo.Text();
                const std::size_t at = choices.Byte() * 7 % (edited.size() + 1);
                edited.insert(at, choices.Text());
                memo.SetText(edited);
                break;
            }
            default:
                break;
        }
        result = speller.Answer(answer);
    }
    if (speller.Running() || dialog.visible || *result < 0 || *result > 2) {
        std::abort();
    }
    return 0;
}
