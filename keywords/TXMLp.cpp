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
}

}  // namespace zendal
