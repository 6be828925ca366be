#include "head/MetaTagReader.h"

#include <algorithm>

#include "base/AsciiText.h"
#include "base/FieldTable.h"
#include "base/Wizard.h"
#include "head/EInvalidMetaTag.h"
#include "head/HeadBlock.h"
#include "head/TagList.h"

namespace zendal {

namespace {

constexpr const char* kNotValid = "not valid meta tag";

// Removes the first and the last character (the quotation marks), then trims.
std::string Unquote(std::string_view text) {
    if (!text.empty()) {
        text.remove_prefix(1);
    }
    if (!text.empty()) {
        text.remove_suffix(1);
    }
    return std::string(AsciiText::Trim(text));
}

}  // namespace

MetaTag MetaTagReader::ParseMetaTag(std::string_view line) {
    std::string_view s = AsciiText::Trim(line);
    std::size_t meta = AsciiText::Find(s, "<META");
    if (meta == AsciiText::npos) {
        throw EInvalidMetaTag(kNotValid);
    }
    // Everything through <META and the one character after it.
    s.remove_prefix(std::min(s.size(), meta + 6));
    s = AsciiText::Trim(s);
    std::size_t equals = s.find('=');
    if (equals == 0) {
        throw ZendalError(kNotValid);
    }
    // The attribute's name (name, http-equiv or any other) is not used.
    if (equals != std::string_view::npos) {
        s.remove_prefix(equals);
    }
    s = AsciiText::Trim(s);
    if (!s.empty()) {
        s.remove_prefix(1);
    }
    s = AsciiText::Trim(s);
    std::size_t content = AsciiText::Find(s, "CONTENT");
    if (content == 0) {
        throw EInvalidMetaTag(kNotValid);
    }
    std::string_view name =
        content == AsciiText::npos ? std::string_view() : AsciiText::Trim(s.substr(0, content));
    std::size_t valueStart = s.find('=');
    valueStart = valueStart == std::string_view::npos ? 0 : valueStart + 1;
    std::string_view value;
    if (s.size() > valueStart + 1) {
        // Up to, not including, the closing '>'.
        value = AsciiText::Trim(s.substr(valueStart, s.size() - valueStart - 1));
    }
    return MetaTag{Unquote(name), Unquote(value)};
}

void MetaTagReader::ReadTags(int set, TagList& tags) {
    const LineBuffer& buffer = wizard_.htmlrichedit;
    const long firstLine = buffer.IndexOfLine("<HEAD>") + 2;
    const long endLine = buffer.IndexOfLine("</HEAD>");
    if (endLine <= firstLine) {
        return;
    }
    WizardFields& fields = wizard_.fields;
    for (int entry = 0; entry < tags.Count(); ++entry) {
        const std::string key = "\"" + std::string(tags.Name(entry)) + "\"";
        for (long i = firstLine; i < endLine; ++i) {
            std::string_view line = buffer.GetLine(i);
            if (!AsciiText::Contains(line, key)) {
                continue;
            }
            if (!AsciiText::Contains(line, "<META")) {
                break;
            }
            MetaTag tag;
            try {
                tag = ParseMetaTag(line);
            } catch (const EInvalidMetaTag&) {
                continue;
            }
            if (tags.HasName(tag.name)) {
                if (set == TagList::kKeywordsAndDescription) {
                    // The field is the one of the entry being searched, whatever the line names.
                    const auto& read =
                        FieldTable::ReadBy(WizardField::Read::KeywordsAndDescription);
                    if (entry < static_cast<int>(read.size())) {
                        fields.*read[entry]->text = tag.content;
                    }
                } else if (set == TagList::kOptions) {
                    tags.SetValue(tag.name, tag.content);
                } else if (set == TagList::kCustom && !tag.content.empty()) {
                    tags.SetValue(tag.name, tag.content);
                }
            }
            break;
        }
    }
    if (set == TagList::kOptions) {
        SetMetaTags(tags);
    } else if (set == TagList::kCustom) {
        for (CustomRow& row : fields.grid1) {
            std::string name = row.MetaName();
            if (!name.empty()) {
                row.value = tags.Value(name);
            }
        }
    }
}

void MetaTagReader::SetMetaTags(const TagList& tags) {
    for (const WizardField* field : FieldTable::ReadBy(WizardField::Read::Options)) {
        wizard_.fields.*field->text = tags.Value(field->metaName);
    }
}

void MetaTagReader::ReadTitleLine() {
    LineBuffer& buffer = wizard_.htmlrichedit;
    const long textSize = static_cast<long>(buffer.WholeText().size());
    const long head = buffer.FindText("<HEAD>", 0, textSize);
    if (head == LineBuffer::npos) {
        return;
    }
    long headEnd = buffer.FindText("</HEAD>", head, textSize - head);
    if (headEnd == LineBuffer::npos) {
        return;
    }
    HeadBlock(buffer, wizard_.status, wizard_.activeDocument).FormatTitleLine(head, headEnd);
    const long title = buffer.FindText("<title>", head, headEnd + 1 - head);
    if (title == LineBuffer::npos) {
        return;
    }
    const long close = buffer.FindText("</title>", title + 7, headEnd + 1 - (title + 7));
    if (close == LineBuffer::npos) {
        // An unclosed title stays where it is; the field keeps its text.
        return;
    }
    wizard_.fields.Titlebox = buffer.ReadRange(title + 7, close - title - 7);
}

}  // namespace zendal
