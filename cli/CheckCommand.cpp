#include <istream>
#include <iterator>
#include <ostream>
#include <string>

#include "base/DocumentCodec.h"
#include "cli/CliContext.h"
#include "cli/CliSession.h"
#include "cli/Commands.h"
#include "cli/UsageError.h"
#include "spell/HeadlessSpellDialog.h"
#include "spell/MemoryEditControl.h"
#include "spell/TSpellDlg.h"

namespace zendal::cli {

// check [--no-html]: the spell checker's run over standard input, every word that stops it
// answered with Ignore and printed with the dialog's suggestions.
int RunCheck(CliContext& context) {
    bool supportHTML = true;
    for (const std::string& arg : context.args) {
        if (arg == "--no-html") {
            supportHTML = false;
        } else if (arg.size() > 1 && arg[0] == '-') {
            throw UsageError("unknown option '" + arg + "'");
        } else {
            throw UsageError("unexpected argument '" + arg + "'");
        }
    }
    std::string input{std::istreambuf_iterator<char>(context.in), std::istreambuf_iterator<char>()};
    if (!DocumentCodec::IsValidUtf8(input)) {
        input = DocumentCodec::Windows1252ToUtf8(input);
    }

    CliSession session(context);
    TSpellDlg speller(context.messages, session.homeFolder());
    speller.properties.supportHTML = supportHTML;
    HeadlessSpellDialog dialog;
    speller.SetDialog(&dialog);
    speller.OnAutoCorrect = [&](const std::string& word, const std::string& replacement) {
        context.out << word << "\t->\t" << replacement << '\n';
    };
    MemoryEditControl memo(input);
    speller.CheckEdit(memo);
    while (speller.Running()) {
        std::string line = speller.WaitingWord();
        for (const std::string& suggestion : dialog.suggestions) {
            line += '\t';
            line += suggestion;
        }
        context.out << line << '\n';
        context.out.flush();
        speller.Answer(TSpellDlg::kIgnore);
    }
    return context.ExitStatus();
}

}  // namespace zendal::cli
