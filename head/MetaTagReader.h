#pragma once

#include <string>
#include <string_view>

namespace zendal {

class Wizard;
class TagList;

// A meta tag line taken apart: its meta name and its content, without their quotation marks.
struct MetaTag {
    std::string name;
    std::string content;
    bool operator==(const MetaTag&) const = default;
};

// Copies the title and the meta tag values of the head block in the document line buffer into
// the wizard fields.
class MetaTagReader {
  public:
    explicit MetaTagReader(Wizard& wizard) : wizard_(wizard) {}

    // Fills the fields of the set (TagList's set numbers) from the head block. Lines that cannot
    // be taken apart are skipped; a meta tag whose text after <META begins with '=' ends the read
    // with a general failure.
    void ReadTags(int set, TagList& tags);
    // Throws EInvalidMetaTag when there is no <META or no usable CONTENT word, and a general
    // failure when the text after <META begins with '='.
    static MetaTag ParseMetaTag(std::string_view line);
    // Sets the ten option fields from the list, each to an empty text when it has no value.
    void SetMetaTags(const TagList& tags);
    // Puts the title element on a line of its own and reads its text into the title field.
    void ReadTitleLine();

  private:
    Wizard& wizard_;
};

}  // namespace zendal
