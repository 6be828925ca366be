#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "keywords/AttVal.h"
#include "keywords/TCore.h"
#include "keywords/XMLImp.h"

namespace zendal {

// A push tokeniser for HTML and XML: text is given to Parse in pieces of any size, and the
// tokens are reported through events in document order. It builds no tree and rejects nothing;
// the one failure is a tag with more attributes than the attribute list holds ("Out of memory").
class TXMLp : public TCore {
  public:
    using ElementEvent = std::function<void(TXMLp& sender, std::string name)>;
    using TextEvent = std::function<void(TXMLp& sender, std::string text)>;
    using EntityEvent = std::function<void(TXMLp& sender, std::string name, std::string& value)>;
    using SectionEvent = std::function<void(TXMLp& sender, std::string id, std::string text)>;

    TXMLp();
    ~TXMLp() override;

    // Processes text from where the previous call left off, up to its end or a byte 0.
    // Throws EOutOfMemory for a 64th attribute; an exception of a handler passes through.
    // Must not be called from within one of its own events.
    void Parse(std::string_view text);
    // With true: delivers the pending text and starts afresh; open markup is dropped.
    void EndOfInput(bool done);

    // The text most recently given to Parse. It refers to the caller's text, not a copy.
    std::string_view CurrentInput() const { return currentInput_; }
    // Within OnEvalEntity: whether the reference stands in text, not in an attribute value.
    bool EntityInText() const { return engine_->InTextEntity(); }

    const std::string& ExtraNameChars() const { return engine_->ExtraNameChars(); }
    void SetExtraNameChars(const std::string& chars) { engine_->SetExtraNameChars(chars); }
    const std::string& ExtraSpaceChars() const { return engine_->ExtraSpaceChars(); }
    void SetExtraSpaceChars(const std::string& chars) { engine_->SetExtraSpaceChars(chars); }
    bool FlushOnEOL() const { return engine_->FlushOnEOL(); }
    void SetFlushOnEOL(bool flush) { engine_->SetFlushOnEOL(flush); }
    bool PreserveWhiteSpace() const { return engine_->PreserveWhiteSpace(); }
    void SetPreserveWhiteSpace(bool preserve) { engine_->SetPreserveWhiteSpace(preserve); }

    // Copies the four properties and the nine handlers from another parser.
    void CloneFromComponent(const TCore& source) override;

    ElementEvent OnBeginElement;
    TextEvent OnComment;
    ElementEvent OnEndElement;
    ElementEvent OnEmptyElement;
    EntityEvent OnEvalEntity;
    TextEvent OnMeta;
    TextEvent OnPI;
    SectionEvent OnSpecialSection;
    TextEvent OnText;

  protected:
    // The engine reports every token through these; each raises its event when one is bound.
    // When the parser is a plain TXMLp, not a descendant, the engine calls them directly.
    // The strings are the engine's own buffers, valid until the operation returns (ending the
    // input from within empties them). The attribute list is emptied as soon as
    // DoBeginElement or DoEmptyElement returns.
    virtual void DoBeginElement(const std::string& name, AttVal& attributes);
    virtual void DoComment(const std::string& text);
    virtual void DoEndElement(const std::string& name);
    virtual void DoEmptyElement(const std::string& name, AttVal& attributes);
    virtual void DoEvalEntity(const std::string& name, std::string& value);
    virtual void DoMeta(const std::string& text);
    virtual void DoPI(const std::string& text);
    virtual void DoSpecialSection(const std::string& id, const std::string& text);
    virtual void DoText(const std::string& text);

  private:
    friend class XMLImp;

    // Calls a bound handler; out of line, so that the inline operations stay small where the
    // engine calls them.
    template <typename Handler, typename... Args>
    [[gnu::noinline]] void Raise(const Handler& handler, Args&... args) {
        handler(*this, args...);
    }

    std::unique_ptr<XMLImp> engine_;
    std::string_view currentInput_;
};

// Inline, so that the engine can raise the events of a plain TXMLp without a virtual call.
inline void TXMLp::DoBeginElement(const std::string& name, AttVal&) {
    if (OnBeginElement) {
        Raise(OnBeginElement, name);
    }
}

inline void TXMLp::DoComment(const std::string& text) {
    if (OnComment) {
        Raise(OnComment, text);
    }
}

inline void TXMLp::DoEndElement(const std::string& name) {
    if (OnEndElement) {
        Raise(OnEndElement, name);
    }
}

inline void TXMLp::DoEmptyElement(const std::string& name, AttVal&) {
    if (OnEmptyElement) {
        Raise(OnEmptyElement, name);
    }
}

inline void TXMLp::DoEvalEntity(const std::string& name, std::string& value) {
    if (OnEvalEntity) {
        Raise(OnEvalEntity, name, value);
    }
}

inline void TXMLp::DoMeta(const std::string& text) {
    if (OnMeta) {
        Raise(OnMeta, text);
    }
}

inline void TXMLp::DoPI(const std::string& text) {
    if (OnPI) {
        Raise(OnPI, text);
    }
}

inline void TXMLp::DoSpecialSection(const std::string& id, const std::string& text) {
    if (OnSpecialSection) {
        Raise(OnSpecialSection, id, text);
    }
}

inline void TXMLp::DoText(const std::string& text) {
    if (OnText) {
        Raise(OnText, text);
    }
}

}  // namespace zendal
