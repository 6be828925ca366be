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
#include "spell/SuggestionSetting.h"
#include "spell/TSpellDlg.h"

namespace zendal::cli {

// check [--no-html] [--language LANG]: the spell checker's run over standard input with the
// dictionary of a page in that language, every word that stops it answered with Ignore and
// printed with the dialog's suggestions.
int RunCheck(CliContext& context) {
    bool supportHTML = true;
    std::string language;
    for (std::size_t i = 0; i < context.args.size(); ++i) {
        const std::string& arg = context.args[i];
        if (arg == "--no-html") {
            supportHTML = false;
        } else if (arg == "--language") {
            if (i + 1 == context.args.size()) {
                throw UsageError("--language needs a value");
            }
            language = context.args[++i];
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
    speller.SetStatus(&context.status);
    speller.UsePageLanguage(language);
    speller.SetRankedSuggestions(SuggestionSetting::Ranked(session.wizard().settings));
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
