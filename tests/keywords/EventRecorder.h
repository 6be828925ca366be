#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "keywords/EOutOfMemory.h"
#include "keywords/TXMLp.h"

namespace zendal::test {

struct ParserOptions {
    bool flushOnEOL = false;
    bool preserveWhiteSpace = true;
    std::optional<std::string> entityValue;  // what an OnEvalEntity handler sets; none without
    std::string extraNameChars;
    std::string extraSpaceChars;
};

// A parser that writes down its events as short lines: "begin a [href=x]", "empty br",
// "end p", "text Hello", "entity amp", "comment  note ", "meta ...", "pi ...",
// "section CDATA a<b", and "failure Out of memory" when Parse fails. The elements' lines come
// from the bound events, their attributes from the Do... operations that carry the list.
class EventRecorder : public TXMLp {
  public:
    explicit EventRecorder(const ParserOptions& options = {}) {
        SetFlushOnEOL(options.flushOnEOL);
        SetPreserveWhiteSpace(options.preserveWhiteSpace);
        SetExtraNameChars(options.extraNameChars);
        SetExtraSpaceChars(options.extraSpaceChars);
        OnBeginElement = [this](TXMLp&, std::string name) {
            events.push_back("begin " + name + attributes_);
        };
        OnEmptyElement = [this](TXMLp&, std::string name) {
            events.push_back("empty " + name + attributes_);
        };
        OnEndElement = [this](TXMLp&, std::string name) { events.push_back("end " + name); };
        OnText = [this](TXMLp&, std::string text) { events.push_back("text " + text); };
        OnComment = [this](TXMLp&, std::string text) { events.push_back("comment " + text); };
        OnMeta = [this](TXMLp&, std::string text) { events.push_back("meta " + text); };
        OnPI = [this](TXMLp&, std::string text) { events.push_back("pi " + text); };
        OnSpecialSection = [this](TXMLp&, std::string id, std::string text) {
            events.push_back("section " + id + " " + text);
        };
        if (options.entityValue) {
            OnEvalEntity = [value = *options.entityValue](TXMLp&, std::string,
                                                          std::string& entity) { entity = value; };
        }
    }

    // Feeds the input in pieces that end at the given offsets (ascending), then ends the input
    // when asked. A failure of Parse is written down and ends the run.
    void Feed(std::string_view input, const std::vector<std::size_t>& cuts = {},
              bool endOfInput = true) {
        std::size_t from = 0;
        try {
            for (std::size_t cut : cuts) {
                Parse(input.substr(from, cut - from));
                from = cut;
            }
            Parse(input.substr(from));
        } catch (const EOutOfMemory& e) {
            events.push_back(std::string("failure ") + e.what());
            return;
        }
        EndOfInput(endOfInput);
    }

    static std::vector<std::string> Run(const ParserOptions& options, std::string_view input,
                                        const std::vector<std::size_t>& cuts = {}) {
        EventRecorder recorder(options);
        recorder.Feed(input, cuts);
        return recorder.events;
    }

    std::vector<std::string> events;

  protected:
    void DoBeginElement(const std::string& name, AttVal& attributes) override {
        Describe(attributes);
        TXMLp::DoBeginElement(name, attributes);
    }
    void DoEmptyElement(const std::string& name, AttVal& attributes) override {
        Describe(attributes);
        TXMLp::DoEmptyElement(name, attributes);
    }
    void DoEvalEntity(const std::string& name, std::string& value) override {
        events.push_back("entity " + name);
        TXMLp::DoEvalEntity(name, value);
    }

  private:
    void Describe(const AttVal& attributes) {
        attributes_.clear();
        for (int i = 0; i < attributes.Count(); ++i) {
            attributes_ += " [" + attributes.Name(i) + "=" + attributes.Value(i) + "]";
        }
    }

    std::string attributes_;
};

}  // namespace zendal::test
