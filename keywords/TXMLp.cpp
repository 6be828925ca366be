#include "keywords/TXMLp.h"

namespace zendal {

TXMLp::TXMLp() : engine_(std::make_unique<XMLImp>(*this)) {}

TXMLp::~TXMLp() = default;

void TXMLp::Parse(std::string_view text) {
    currentInput_ = text;
    engine_->Parse(text);
}

void TXMLp::EndOfInput(bool done) {
    if (done) {
        engine_->EndOfInput();
    }
}

void TXMLp::CloneFromComponent(const TCore& source) {
    if (const auto* parser = dynamic_cast<const TXMLp*>(&source)) {
        SetExtraNameChars(parser->ExtraNameChars());
        SetExtraSpaceChars(parser->ExtraSpaceChars());
        SetFlushOnEOL(parser->FlushOnEOL());
        SetPreserveWhiteSpace(parser->PreserveWhiteSpace());
        OnBeginElement = parser->OnBeginElement;
        OnComment = parser->OnComment;
        OnEndElement = parser->OnEndElement;
        OnEmptyElement = parser->OnEmptyElement;
        OnEvalEntity = parser->OnEvalEntity;
        OnMeta = parser->OnMeta;
        OnPI = parser->OnPI;
        OnSpecialSection = parser->OnSpecialSection;
        OnText = parser->OnText;
    }
    TCore::CloneFromComponent(source);
}

void TXMLp::DoBeginElement(const std::string& name, AttVal&) {
    if (OnBeginElement) {
        OnBeginElement(*this, name);
    }
}

void TXMLp::DoComment(const std::string& text) {
    if (OnComment) {
        OnComment(*this, text);
    }
}

void TXMLp::DoEndElement(const std::string& name) {
    if (OnEndElement) {
        OnEndElement(*this, name);
    }
}

void TXMLp::DoEmptyElement(const std::string& name, AttVal&) {
    if (OnEmptyElement) {
        OnEmptyElement(*this, name);
    }
}

void TXMLp::DoEvalEntity(const std::string& name, std::string& value) {
    if (OnEvalEntity) {
        OnEvalEntity(*this, name, value);
    }
}

void TXMLp::DoMeta(const std::string& text) {
    if (OnMeta) {
        OnMeta(*this, text);
    }
}

void TXMLp::DoPI(const std::string& text) {
    if (OnPI) {
        OnPI(*this, text);
    }
}

void TXMLp::DoSpecialSection(const std::string& id, const std::string& text) {
    if (OnSpecialSection) {
        OnSpecialSection(*this, id, text);
    }
}

void TXMLp::DoText(const std::string& text) {
    if (OnText) {
        OnText(*this, text);
    }
}

}  // namespace zendal
