#pragma once

namespace zendal {

class MessagePort;
class SpellEditControl;
class TSpellDlg;

// The main window's two spell check buttons, under the key words and the description memos.
class SpellCheckButtons {
  public:
    static constexpr const char* kNoKeyWords =
        "There are no words to perform the spell check on (Key Words)!";
    static constexpr const char* kNoDescription =
        "There are no words to perform the spell check on, (Description)!";

    SpellCheckButtons(TSpellDlg& speller, MessagePort& messages)
        : speller_(speller), messages_(messages) {}

    // "Spell Check &Key Words", over edit22.
    void SpeedButton4Click(SpellEditControl& edit22) { Check(edit22, kNoKeyWords); }
    // "Spell Check &Description", over edit1.
    void SpeedButton5Click(SpellEditControl& edit1) { Check(edit1, kNoDescription); }

  private:
    // Runs the check when the text sorts after a single blank, else shows the message.
    void Check(SpellEditControl& memo, const char* noWords);

    TSpellDlg& speller_;
    MessagePort& messages_;
};

}  // namespace zendal
