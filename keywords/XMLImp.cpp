#include "keywords/XMLImp.h"

#include <stdexcept>

#include "keywords/EOutOfMemory.h"
#include "keywords/TXMLp.h"

namespace zendal {

namespace {

// The states of the tokeniser.
enum StateId : std::uint8_t {
    kText = 0,
    kElementName = 1,
    kAfterLessThan = 2,
    kInsideTag = 3,
    kAttributeName = 4,
    kAfterAttributeName = 5,
    kBeforeValue = 6,
    kUnquotedValue = 7,
    kAfterMarkup = 8,
    kLineFeedInText = 9,
    kLineFeedThenLessThan = 10,
    kSingleQuotedValue = 11,
    kDoubleQuotedValue = 12,
    kEndTagName = 13,
    kEntityInText = 14,
    kEntityInUnquotedValue = 15,
    kEntityInSingleQuotedValue = 16,
    kEntityInDoubleQuotedValue = 17,
    kRestOfEndTag = 18,
    kAfterBangDash = 19,
    kComment = 20,
    kInstruction = 21,
    kAfterBang = 22,
    kDeclaration = 23,
    kSectionContent = 24,
    kSectionId = 25,
    kDeclarationSingleQuotes = 26,
    kDeclarationDoubleQuotes = 27,
    kDeclarationBrackets = 28,
};

constexpr unsigned char kLineFeed = '\n';

// One byte onto a buffer. Forced inline: the byte loop is large enough that the compiler would
// otherwise leave a call per byte.
[[gnu::always_inline]] inline void Put(std::string& buffer, char c) {
    buffer.push_back(c);
}
[[gnu::always_inline]] inline void Put(std::string& buffer, unsigned char c) {
    buffer.push_back(static_cast<char>(c));
}

// Values are mostly one byte ("&" of a bare ampersand): spare the copy routine for those.
void AppendValue(std::string& buffer, const std::string& value) {
    if (value.size() == 1) {
        Put(buffer, value[0]);
    } else {
        buffer.append(value);
    }
}

void DropLast(std::string& buffer, std::size_t count) {
    buffer.erase(buffer.size() > count ? buffer.size() - count : 0);
}

// Sets a flag for a scope and gives it back its previous value when the scope ends, however it
// ends.
class ScopeFlag {
  public:
    explicit ScopeFlag(bool& flag) : flag_(flag), previous_(flag) { flag_ = true; }
    ~ScopeFlag() { flag_ = previous_; }
    ScopeFlag(const ScopeFlag&) = delete;
    ScopeFlag& operator=(const ScopeFlag&) = delete;

  private:
    bool& flag_;
    bool previous_;
};

}  // namespace

XMLImp::XMLImp(TXMLp& owner) : owner_(owner) {
    BuildClasses();
}

void XMLImp::SetExtraNameChars(const std::string& chars) {
    extraNameChars_ = chars;
    BuildClasses();
}

void XMLImp::SetExtraSpaceChars(const std::string& chars) {
    extraSpaceChars_ = chars;
    BuildClasses();
}

void XMLImp::BuildClasses() {
    classes_.fill(0);
    for (unsigned c = 0; c < 256; ++c) {
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) {
            classes_[c] |= kNameClass;
        }
        if ((c >= 9 && c <= 13) || c == ' ') {
            classes_[c] |= kSpaceClass;
        }
    }
    for (char c : extraNameChars_) {
        classes_[static_cast<unsigned char>(c)] |= kNameClass;
    }
    for (char c : extraSpaceChars_) {
        classes_[static_cast<unsigned char>(c)] |= kSpaceClass;
    }

    // Each predicate is exactly the condition under which the state's first matching row is
    // "append the byte" or "nothing", staying in the state. Byte 0 is never plain: it ends the
    // call.
    auto define = [this](StateId state, std::string* target, auto isPlain) {
        plainTarget_[state] = target;
        for (unsigned c = 0; c < 256; ++c) {
            plain_[state][c] = c != 0 && isPlain(static_cast<unsigned char>(c));
        }
    };
    auto none = [](unsigned char) { return false; };
    auto name = [this](unsigned char c) { return IsName(c); };
    auto space = [this](unsigned char c) { return IsSpace(c); };
    for (int state = 0; state < kStates; ++state) {
        define(static_cast<StateId>(state), nullptr, none);
    }
    define(kText, &text_, [](unsigned char c) { return c != kLineFeed && c != '&' && c != '<'; });
    define(kElementName, &token_, name);
    define(kInsideTag, nullptr, [this](unsigned char c) { return IsSpace(c) || c == '/'; });
    define(kAttributeName, &token_,
           [this](unsigned char c) { return !IsSpace(c) && c != '/' && c != '=' && c != '>'; });
    define(kAfterAttributeName, nullptr, space);
    define(kBeforeValue, nullptr, space);
    define(kUnquotedValue, &token_,
           [this](unsigned char c) { return c != '&' && !IsSpace(c) && c != '>'; });
    define(kSingleQuotedValue, &token_, [](unsigned char c) { return c != '&' && c != '\''; });
    define(kDoubleQuotedValue, &token_, [](unsigned char c) { return c != '"' && c != '&'; });
    define(kEndTagName, &token_, name);
    define(kEntityInText, &entityName_, name);
    define(kEntityInUnquotedValue, &entityName_, name);
    define(kEntityInSingleQuotedValue, &entityName_, name);
    define(kEntityInDoubleQuotedValue, &entityName_, name);
    define(kRestOfEndTag, nullptr, [](unsigned char c) { return c != '>'; });
    define(kComment, &token_, [](unsigned char c) { return c != '>'; });
    define(kInstruction, &token_, [](unsigned char c) { return c != '>'; });
    define(kDeclaration, &token_,
           [](unsigned char c) { return c != '>' && c != '[' && c != '"' && c != '\''; });
    define(kSectionContent, &text_, [](unsigned char c) { return c != '>'; });
    define(kSectionId, nullptr, [this](unsigned char c) { return c != '[' && IsSpace(c); });
    define(kDeclarationSingleQuotes, &token_, [](unsigned char c) { return c != '\''; });
    define(kDeclarationDoubleQuotes, &token_, [](unsigned char c) { return c != '"'; });
    define(kDeclarationBrackets, &token_, [](unsigned char c) { return c != ']'; });
}

// Inline: text is delivered often, one or two bytes at a time in the worst inputs.
[[gnu::always_inline]] inline void XMLImp::DeliverText() {
    // While the text is with its handler, a handler that ends the input must not deliver it a
    // second time.
    if (deliveringText_) {
        return;
    }
    ScopeFlag delivering(deliveringText_);
    owner_.DoText(text_);
    text_.clear();
}

// One byte through the state table: the first matching row of the state is carried out. A row
// that hands the byte on sets the next state and continues the loop with the same byte. Inlined
// into Parse's loop: markup bytes come often, and a call per byte shows.
[[gnu::always_inline]] inline const unsigned char* XMLImp::Step(const unsigned char* p,
                                                                const unsigned char* end) {
    const unsigned char c = *p;
    for (;;) {
        switch (state_) {
            // A row that moves on to the next case's state falls through to it rather than
            // going round the loop: markup changes state often, and each dispatch costs.
            case kAfterMarkup:
                if (c == kLineFeed && !preserveWhiteSpace_) {
                    return p;
                }
                state_ = kText;
                [[fallthrough]];

            case kText:
                if (c == kLineFeed) {
                    state_ = kLineFeedInText;
                } else if (c == '&') {
                    entityName_.clear();
                    state_ = kEntityInText;
                } else if (c == '<') {
                    token_.clear();
                    FlushText();
                    state_ = kAfterLessThan;
                } else {
                    Put(text_, c);
                }
                return p;

            case kAfterLessThan:
                if (c == ' ' || c == '=') {
                    Put(text_, '<');
                    state_ = kText;
                    continue;
                }
                state_ = kElementName;
                [[fallthrough]];

            case kElementName:
                if (IsName(c)) {
                    Put(token_, c);
                } else if (c == '!') {
                    token_.clear();
                    FlushText();
                    state_ = kAfterBang;
                } else if (c == '?') {
                    token_.clear();
                    state_ = kInstruction;
                } else if (c == '/' && last_ == '<') {
                    state_ = kEndTagName;
                } else if (c == '>') {
                    NameDone();
                    CloseTag();
                    state_ = kAfterMarkup;
                } else {
                    NameDone();
                    state_ = kInsideTag;
                }
                return p;

            case kInsideTag:
                if (IsSpace(c) || c == '/') {
                } else if (c == '>') {
                    CloseTag();
                    state_ = kAfterMarkup;
                } else {
                    Put(token_, c);
                    state_ = kAttributeName;
                }
                return p;

            case kAttributeName:
                if (!IsSpace(c) && c != '/' && c != '=' && c != '>') {
                    Put(token_, c);
                } else if (IsSpace(c)) {
                    // The name waits: an "=" after the white space gives it its value.
                    AttributeNameDone();
                    state_ = kAfterAttributeName;
                } else if (c == '=') {
                    AttributeNameDone();
                    state_ = kBeforeValue;
                } else if (c == '>') {
                    AttributeNameDone();
                    AttributeDone();
                    CloseTag();
                    state_ = kAfterMarkup;
                } else {
                    AttributeNameDone();
                    AttributeDone();
                    state_ = kAfterAttributeName;
                }
                return p;

            case kAfterAttributeName:
                if (IsSpace(c)) {
                } else if (c == '=') {
                    state_ = kBeforeValue;
                } else if (c == '>') {
                    ClosePendingAttribute();
                    CloseTag();
                    state_ = kAfterMarkup;
                } else {
                    ClosePendingAttribute();
                    Put(token_, c);
                    state_ = kAttributeName;
                }
                return p;

            case kBeforeValue:
                if (IsSpace(c)) {
                } else if (c == '"') {
                    state_ = kDoubleQuotedValue;
                } else if (c == '&') {
                    entityName_.clear();
                    state_ = kEntityInUnquotedValue;
                } else if (c == '\'') {
                    state_ = kSingleQuotedValue;
                } else if (c == '>') {
                    // A name with "=" and no value is not added.
                    CloseTag();
                    state_ = kAfterMarkup;
                } else {
                    Put(token_, c);
                    state_ = kUnquotedValue;
                }
                return p;

            case kUnquotedValue:
                if (c == '&') {
                    entityName_.clear();
                    state_ = kEntityInUnquotedValue;
                } else if (IsSpace(c)) {
                    AttributeDone();
                    state_ = kInsideTag;
                } else if (c == '>') {
                    if (last_ == '/') {
                        DropLast(token_, 1);
                    }
                    AttributeDone();
                    CloseTag();
                    state_ = kAfterMarkup;
                } else {
                    Put(token_, c);
                }
                return p;

            case kLineFeedInText:
                if (c == '<') {
                    token_.clear();
                    state_ = kLineFeedThenLessThan;
                    return p;
                }
                text_.push_back('\n');
                if (flushOnEOL_) {
                    FlushText();
                }
                state_ = kText;
                continue;

            case kLineFeedThenLessThan:
                if (c == '/' && !preserveWhiteSpace_) {
                    state_ = kAfterLessThan;
                    continue;
                }
                text_.push_back('\n');
                if (flushOnEOL_) {
                    FlushText();
                }
                state_ = kAfterLessThan;
                continue;

            case kSingleQuotedValue:
                if (c == '&') {
                    entityName_.clear();
                    state_ = kEntityInSingleQuotedValue;
                } else if (c == '\'') {
                    AttributeDone();
                    state_ = kInsideTag;
                } else {
                    Put(token_, c);
                }
                return p;

            case kDoubleQuotedValue:
                if (c == '"') {
                    AttributeDone();
                    state_ = kInsideTag;
                } else if (c == '&') {
                    entityName_.clear();
                    state_ = kEntityInDoubleQuotedValue;
                } else {
                    Put(token_, c);
                }
                return p;

            case kEndTagName:
                if (IsName(c)) {
                    Put(token_, c);
                } else if (c == '>') {
                    EndTagDone();
                    state_ = kText;
                } else {
                    EndTagDone();
                    state_ = kRestOfEndTag;
                }
                return p;

            // The byte that ends an entity reference is consumed when it is ";", else it is
            // read again in the state that the reference came from, so that "<", a line feed,
            // a closing quote, white space or ">" keep their meaning there.
            case kEntityInText:
                if (IsName(c)) {
                    Put(entityName_, c);
                    return p;
                }
                EndEntity(c);
                AppendValue(text_, entityValue_);
                state_ = kText;
                if (c == ';') {
                    return p;
                }
                if (c == '&') {
                    // The text row of "&" at once: it opens the next reference.
                    entityName_.clear();
                    state_ = kEntityInText;
                    return BareAmpersands(p, end);
                }
                continue;

            case kEntityInUnquotedValue:
            case kEntityInSingleQuotedValue:
            case kEntityInDoubleQuotedValue: {
                if (IsName(c)) {
                    Put(entityName_, c);
                    return p;
                }
                const StateId value = state_ == kEntityInUnquotedValue       ? kUnquotedValue
                                      : state_ == kEntityInSingleQuotedValue ? kSingleQuotedValue
                                                                             : kDoubleQuotedValue;
                EndEntity(c);
                AppendValue(token_, entityValue_);
                state_ = value;
                if (c == ';') {
                    return p;
                }
                continue;
            }

            case kRestOfEndTag:
                if (c == '>') {
                    state_ = kText;
                }
                return p;

            case kAfterBangDash:
                if (c == '-') {
                    token_.clear();
                    state_ = kComment;
                } else {
                    Put(token_, c);
                    state_ = kDeclaration;
                }
                return p;

            case kComment:
                if (c == '>' && last_ == '-' && beforeLast_ == '-') {
                    DropLast(token_, 2);
                    CommentDone();
                    state_ = kAfterMarkup;
                } else {
                    Put(token_, c);
                }
                return p;

            case kInstruction:
                if (c == '>' && last_ == '?') {
                    DropLast(token_, 1);
                    InstructionDone();
                    state_ = kAfterMarkup;
                } else {
                    Put(token_, c);
                }
                return p;

            case kAfterBang:
                if (c == '[') {
                    state_ = kSectionId;
                } else if (c == '-') {
                    token_.assign(1, '-');
                    state_ = kAfterBangDash;
                } else {
                    Put(token_, c);
                    state_ = kDeclaration;
                }
                return p;

            case kDeclaration:
                if (c == '>') {
                    DeclarationDone();
                    state_ = kAfterMarkup;
                    return p;
                }
                Put(token_, c);
                if (c == '[') {
                    state_ = kDeclarationBrackets;
                } else if (c == '"') {
                    state_ = kDeclarationDoubleQuotes;
                } else if (c == '\'') {
                    state_ = kDeclarationSingleQuotes;
                }
                return p;

            case kSectionContent:
                if (c == '>' && last_ == ']' && beforeLast_ == ']') {
                    DropLast(text_, 2);
                    SectionDone();
                    state_ = kText;
                } else {
                    Put(text_, c);
                }
                return p;

            case kSectionId:
                if (c == '[') {
                    state_ = kSectionContent;
                } else if (!IsSpace(c)) {
                    Put(token_, c);
                }
                return p;

            case kDeclarationSingleQuotes:
                Put(token_, c);
                if (c == '\'') {
                    state_ = kDeclaration;
                }
                return p;

            case kDeclarationDoubleQuotes:
                Put(token_, c);
                if (c == '"') {
                    state_ = kDeclaration;
                }
                return p;

            case kDeclarationBrackets:
                Put(token_, c);
                if (c == ']') {
                    state_ = kDeclaration;
                }
                return p;

            default:
                // Not reachable: every row sets one of the states above.
                state_ = kText;
                return p;
        }
    }
}

void XMLImp::Parse(std::string_view text) {
    if (busy_) {
        throw std::logic_error("TXMLp::Parse called from within one of its events");
    }
    ScopeFlag busy(busy_);
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const auto* const end = p + text.size();
    while (p != end) {
        const std::array<bool, 256>& plain = plain_[state_];
        if (plain[*p]) {
            const auto* const start = p;
            do {
                ++p;
            } while (p != end && plain[*p]);
            if (std::string* target = plainTarget_[state_]) {
                target->append(reinterpret_cast<const char*>(start),
                               static_cast<std::size_t>(p - start));
            }
            if (p - start >= 2) {
                beforeLast_ = static_cast<char>(p[-2]);
                last_ = static_cast<char>(p[-1]);
            } else {
                Remember(p[-1]);
            }
            if (p == end) {
                break;
            }
        }
        if (*p == 0) {
            break;
        }
        p = Step(p, end);
        Remember(*p);
        ++p;
    }
}

void XMLImp::EndOfInput() {
    ScopeFlag busy(busy_);
    // The content of an unclosed special section is open markup, not text: it is dropped.
    if (state_ != kSectionContent) {
        FlushText();
    }
    state_ = kText;
    text_.clear();
    token_.clear();
    entityName_.clear();
    entityValue_.clear();
    elementName_.clear();
    attributeName_.clear();
    attributes_.Clear();
}

const unsigned char* XMLImp::BareAmpersands(const unsigned char* p, const unsigned char* end) {
    while (p + 1 != end && p[1] == '&') {
        Remember('&');
        ++p;
        FlushText();
        // The value comes in as the reference itself, "&": it still is unless a handler changed
        // it.
        if (entityValue_.size() != 1 || entityValue_[0] != '&') {
            entityValue_.assign(1, '&');
        }
        // The name stays empty: no handler can give it characters.
        owner_.DoEvalEntity(entityName_, entityValue_);
        AppendValue(text_, entityValue_);
        state_ = kEntityInText;
    }
    return p;
}

bool XMLImp::InTextEntity() const {
    return state_ == kEntityInText;
}

void XMLImp::EndEntity(unsigned char c) {
    FlushText();
    entityValue_.clear();
    Put(entityValue_, '&');
    if (!entityName_.empty()) {
        entityValue_.append(entityName_);
    }
    if (c == ';') {
        Put(entityValue_, ';');
    }
    owner_.DoEvalEntity(entityName_, entityValue_);
    entityName_.clear();
}

void XMLImp::NameDone() {
    FlushText();
    elementName_.swap(token_);
    token_.clear();
    attributeName_.clear();
}

void XMLImp::AttributeNameDone() {
    attributeName_.swap(token_);
    token_.clear();
}

void XMLImp::AttributeDone() {
    const bool added = attributes_.Add(attributeName_, token_);
    attributeName_.clear();
    token_.clear();
    if (!added) {
        throw EOutOfMemory();
    }
}

void XMLImp::ClosePendingAttribute() {
    if (!attributeName_.empty()) {
        AttributeDone();
    }
}

void XMLImp::CloseTag() {
    if (last_ == '/') {
        owner_.DoEmptyElement(elementName_, attributes_);
    } else {
        owner_.DoBeginElement(elementName_, attributes_);
    }
    elementName_.clear();
    attributes_.Clear();
}

void XMLImp::EndTagDone() {
    FlushText();
    owner_.DoEndElement(token_);
    token_.clear();
}

void XMLImp::CommentDone() {
    FlushText();
    owner_.DoComment(token_);
    token_.clear();
}

void XMLImp::InstructionDone() {
    FlushText();
    owner_.DoPI(token_);
    token_.clear();
}

void XMLImp::DeclarationDone() {
    FlushText();
    owner_.DoMeta(token_);
    token_.clear();
}

void XMLImp::SectionDone() {
    {
        // The content is not text: ending the input from the handler must not deliver it.
        ScopeFlag delivering(deliveringText_);
        owner_.DoSpecialSection(token_, text_);
    }
    token_.clear();
    text_.clear();
}

}  // namespace zendal
