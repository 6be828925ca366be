#include <filesystem>
#include <iterator>
#include <ostream>
#include <string>

#include "base/EFileOpen.h"
#include "base/WholeFile.h"
#include "base/ZendalError.h"
#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "cli/JsonString.h"
#include "cli/UsageError.h"
#include "keywords/TXMLp.h"

namespace zendal::cli {

namespace {

// A parser that writes each of its events as one JSON line. It binds no OnEvalEntity handler,
// so entity references stay in the text as written.
class TokenPrinter : public TXMLp {
  public:
    explicit TokenPrinter(std::ostream& out) : out_(out) {}

  protected:
    void DoBeginElement(const std::string& name, AttVal& attributes) override {
        Element("begin", name, attributes);
    }
    void DoEmptyElement(const std::string& name, AttVal& attributes) override {
        Element("empty", name, attributes);
    }
    void DoEndElement(const std::string& name) override {
        Line("{\"event\": \"end\", \"name\": " + JsonString(name) + "}");
    }
    void DoEvalEntity(const std::string& name, std::string& value) override {
        Line("{\"event\": \"entity\", \"name\": " + JsonString(name) + "}");
        TXMLp::DoEvalEntity(name, value);
    }
    void DoText(const std::string& text) override { Text("text", text); }
    void DoComment(const std::string& text) override { Text("comment", text); }
    void DoMeta(const std::string& text) override { Text("meta", text); }
    void DoPI(const std::string& text) override { Text("pi", text); }
    void DoSpecialSection(const std::string& id, const std::string& text) override {
        Line("{\"event\": \"section\", \"id\": " + JsonString(id) +
             ", \"text\": " + JsonString(text) + "}");
    }

  private:
    void Element(const char* event, const std::string& name, const AttVal& attributes) {
        std::string line = std::string("{\"event\": \"") + event +
                           "\", \"name\": " + JsonString(name) + ", \"attrs\": [";
        for (int i = 0; i < attributes.Count(); ++i) {
            line += i == 0 ? "[" : ", [";
            line += JsonString(attributes.Name(i));
            line += ", ";
            line += JsonString(attributes.Value(i));
            line += ']';
        }
        line += "]}";
        Line(line);
    }
    void Text(const char* event, const std::string& text) {
        Line(std::string("{\"event\": \"") + event + "\", \"text\": " + JsonString(text) + "}");
    }
    void Line(const std::string& line) { out_ << line << '\n'; }

    std::ostream& out_;
};

std::size_t ChunkSize(const std::string& text) {
    std::size_t used = 0;
    unsigned long long size = 0;
    try {
        size = std::stoull(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used == 0 || used != text.size() || size == 0 || text[0] == '-' || text[0] == '+') {
        throw UsageError("--chunk needs a positive number of bytes, not '" + text + "'");
    }
    return static_cast<std::size_t>(size);
}

}  // namespace

int RunTokens(CliContext& context) {
    bool flushOnEOL = true;
    bool preserveWhiteSpace = false;
    std::size_t chunk = 0;  // 0: all in one piece
    std::string file;
    bool haveFile = false;
    const std::vector<std::string>& args = context.args;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--no-flush-on-eol") {
            flushOnEOL = false;
        } else if (arg == "--preserve-white-space") {
            preserveWhiteSpace = true;
        } else if (arg == "--chunk") {
            if (i + 1 >= args.size()) {
                throw UsageError("--chunk needs a number of bytes");
            }
            chunk = ChunkSize(args[++i]);
        } else if (arg.starts_with("--chunk=")) {
            chunk = ChunkSize(arg.substr(8));
        } else if (arg.size() > 1 && arg[0] == '-') {
            throw UsageError("unknown option '" + arg + "'");
        } else if (haveFile) {
            throw UsageError("only one file may be given");
        } else {
            file = arg;
            haveFile = true;
        }
    }

    std::string input;
    if (haveFile && file != "-") {
        try {
            input = WholeFile::Read(file);
        } catch (const EFileOpen&) {
            context.messages.Failure(
                EFileOpen(std::filesystem::absolute(file).lexically_normal().string()).Message());
            return context.ExitStatus();
        }
    } else {
        input.assign(std::istreambuf_iterator<char>(context.in), std::istreambuf_iterator<char>());
    }

    TokenPrinter parser(context.out);
    parser.SetFlushOnEOL(flushOnEOL);
    parser.SetPreserveWhiteSpace(preserveWhiteSpace);
    try {
        const std::string_view all(input);
        if (chunk == 0) {
            parser.Parse(all);
        } else {
            for (std::size_t at = 0; at < all.size(); at += chunk) {
                parser.Parse(all.substr(at, chunk));
            }
        }
        parser.EndOfInput(true);
    } catch (const ZendalError& e) {
        context.out << std::flush;
        context.messages.Error(e.Message());
    }
    context.out << std::flush;
    return context.ExitStatus();
}

}  // namespace zendal::cli
