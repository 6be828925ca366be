#include "spell/SpellCheckButtons.h"

#include <string>

#include "base/MessagePort.h"
#include "spell/SpellEditControl.h"
#include "spell/TSpellDlg.h"

namespace zendal {

void SpellCheckButtons::Check(SpellEditControl& memo, const char* noWords) {
    // Compared byte by byte, so a text that starts with a control character sorts before " ".
    if (memo.Text().compare(" ") > 0) {
        speller_.CheckEdit(memo);
    } else {
        messages_.Message(noWords);
    }
}

}  // namespace zendal
