#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "keywords/AttVal.h"

namespace zendal {

class TXMLp;

// The tokeniser engine of TXMLp: a state machine that reads one byte at a time, keeps its
// state, buffers and the last two bytes between calls, and reports tokens through the owner's
// Do... operations.
class XMLImp {
  public:
    explicit XMLImp(TXMLp& owner);
    XMLImp(const XMLImp&) = delete;
    XMLImp& operator=(const XMLImp&) = delete;

    // Processes the bytes of text up to its end or up to a byte 0. Throws EOutOfMemory when a
    // tag would get more attributes than its list holds; processing then stops at that byte.
    void Parse(std::string_view text);
    // Delivers pending text and returns to the start state with empty buffers.
    void EndOfInput();

    std::uint8_t State() const { return state_; }
    // While the owner evaluates an entity reference: whether it stands in text, not in an
    // attribute value.
    bool InTextEntity() const;

    const std::string& ExtraNameChars() const { return extraNameChars_; }
    void SetExtraNameChars(const std::string& chars);
    const std::string& ExtraSpaceChars() const { return extraSpaceChars_; }
    void SetExtraSpaceChars(const std::string& chars);
    bool FlushOnEOL() const { return flushOnEOL_; }
    void SetFlushOnEOL(bool flush) { flushOnEOL_ = flush; }
    bool PreserveWhiteSpace() const { return preserveWhiteSpace_; }
    void SetPreserveWhiteSpace(bool preserve) { preserveWhiteSpace_ = preserve; }

    static constexpr int kStates = 29;

  private:
    // Carries out the rows for the byte at p; returns the last byte it consumed (p, or the end
    // of a run that it took in one go).
    const unsigned char* Step(const unsigned char* p, const unsigned char* end);
    void Remember(unsigned char c) {
        beforeLast_ = last_;
        last_ = static_cast<char>(c);
    }

    bool IsName(unsigned char c) const { return (classes_[c] & kNameClass) != 0; }
    bool IsSpace(unsigned char c) const { return (classes_[c] & kSpaceClass) != 0; }
    void BuildClasses();

    // The actions of the state table.
    void FlushText() {
        if (!text_.empty()) {
            DeliverText();
        }
    }
    void DeliverText();
    void EndEntity(unsigned char c);
    // The "&" bytes that follow the one at p in text, which has just opened a reference: each
    // ends the reference before it, which has no name, puts its value onto the text and opens
    // the next one. Returns the last of them.
    const unsigned char* BareAmpersands(const unsigned char* p, const unsigned char* end);
    void NameDone();
    void AttributeNameDone();
    void AttributeDone();
    void ClosePendingAttribute();
    void CloseTag();
    void EndTagDone();
    void CommentDone();
    void InstructionDone();
    void DeclarationDone();
    void SectionDone();

    std::uint8_t state_ = 0;
    char last_ = 0;
    char beforeLast_ = 0;
    std::string text_;
    std::string entityName_;
    std::string token_;
    std::string entityValue_;
    std::string elementName_;
    std::string attributeName_;
    AttVal attributes_;
    std::string extraNameChars_;
    std::string extraSpaceChars_;
    bool flushOnEOL_ = true;
    bool preserveWhiteSpace_ = false;
    TXMLp& owner_;

    bool busy_ = false;            // inside Parse or EndOfInput, where events are raised
    bool deliveringText_ = false;  // the text buffer is with a handler

    static constexpr std::uint8_t kNameClass = 1;
    static constexpr std::uint8_t kSpaceClass = 2;
    std::array<std::uint8_t, 256> classes_{};
    // For each state, the bytes whose row only appends the byte to a buffer (or does nothing)
    // and stays in the state: runs of them are consumed in one go.
    std::array<std::array<bool, 256>, kStates> plain_{};
    std::array<std::string*, kStates> plainTarget_{};
};

}  // namespace zendal
