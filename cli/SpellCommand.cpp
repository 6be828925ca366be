#include <ostream>
#include <string>
#include <vector>

#include "base/ZendalError.h"
#include "cli/CliContext.h"
#include "cli/CliSession.h"
#include "cli/Commands.h"
#include "cli/UsageError.h"
#include "spell/DictionaryLanguages.h"
#include "spell/SuggestionSetting.h"
#include "spell/TDictionary.h"

namespace zendal::cli {

namespace {

constexpr int kSuggestions = 15;

void AppendAll(std::string& line, const std::vector<std::string>& entries) {
    for (const std::string& entry : entries) {
        line += '\t';
        line += entry;
    }
}

// The dialog's Add, answered Yes.
void AddWord(TDictionary& dictionary, MessagePort& messages, const std::string& word) {
    if (dictionary.IsWord(word)) {
        messages.Message("\"" + word + "\" already in dictionary.");
        return;
    }
    if (messages.AskYesNo("Add \"" + word + "\" to dictionary?")) {
        dictionary.AddWord(word);
    }
}

}  // namespace

// spell [--suggest] [--classic] [--complete] [--add] [--language LANG] WORD...: the word test of
// the home folder's dictionaries, with suggestions (the ranked list unless the settings or
// --classic ask for the sound-alike one) and completions on request.
int RunSpell(CliContext& context) {
    bool suggest = false;
    bool classic = false;
    bool complete = false;
    bool add = false;
    std::string language;
    std::vector<std::string> words;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < context.args.size(); ++i) {
        const std::string& arg = context.args[i];
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && arg == "--suggest") {
            suggest = true;
        } else if (!optionsEnded && arg == "--classic") {
            classic = true;
        } else if (!optionsEnded && arg == "--language") {
            if (i + 1 == context.args.size()) {
                throw UsageError("--language needs a value");
            }
            language = context.args[++i];
        } else if (!optionsEnded && arg == "--complete") {
            complete = true;
        } else if (!optionsEnded && arg == "--add") {
            add = true;
        } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
            throw UsageError("unknown option '" + arg + "'");
        } else {
            words.push_back(arg);
        }
    }
    if (words.empty()) {
        throw UsageError("missing WORD");
    }

    CliSession session(context);
    TDictionary dictionary(context.messages);
    const std::string path = DictionaryLanguages::PathOf(
        DictionaryLanguages::ForPage(language, session.homeFolder()).language,
        session.homeFolder());
    const bool ranked = !classic && SuggestionSetting::Ranked(session.wizard().settings);
    try {
        if (!dictionary.OpenDictionary(path)) {
            context.messages.Error("Error opening dictionary " + path);
            return context.ExitStatus();
        }
        dictionary.LoadUserDictionary(session.homeFolder() + "CUSTOM.DCT");
        for (const std::string& word : words) {
            bool isWord = dictionary.IsWord(word);
            std::string line = word + (isWord ? "\tok" : "\tmiss");
            if (suggest && !isWord) {
                AppendAll(line, ranked ? dictionary.RankedSuggest(word, kSuggestions)
                                       : dictionary.Suggest(word, kSuggestions));
            }
            if (complete) {
                AppendAll(line, dictionary.CompleteWord(word, kSuggestions));
            }
            context.out << line << '\n';
            if (add) {
                AddWord(dictionary, context.messages, word);
            }
        }
        if (add) {
            dictionary.SaveUserDictionary();
        }
    } catch (const ZendalError& e) {
        context.out.flush();
        context.messages.Error(e.Message());
    }
    return context.ExitStatus();
}

}  // namespace zendal::cli
