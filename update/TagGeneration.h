#pragma once

#include <functional>
#include <string>
#include <vector>

namespace zendal {

class Wizard;

// The tag lines of the page "3. Generate Tags" made from the wizard fields, the generated meta
// list that the head rewrite writes, and the blank tag list of the values left blank. Values go
// into the lines exactly as typed: nothing is escaped and only the custom grid's cells are
// trimmed.
class TagGeneration {
  public:
    explicit TagGeneration(Wizard& wizard);

    // Entering the page: rebuilds tagLines and generatedMetaList from the fields.
    void TabSheet5Enter();
    // The Clipboard button: copies the view's text (the title line included).
    void Button32Click(const std::string& tagLinesText);
    // The text of the view: one generated line per line.
    std::string TagLinesText() const;
    // Rebuilds the blank tag list; returns its number of entries.
    int BuildBlankTagList();
    // Deletes the first tag of each blank prefix from the head held in the document line buffer.
    void RemoveBlankTags();

    static std::string NameLine(const std::string& name, const std::string& value);
    static std::string HttpEquivLine(const std::string& name, const std::string& value);

    std::vector<std::string> tagLines;
    std::vector<std::string> generatedMetaList;
    std::vector<std::string> blankTagList;
    // Empties the analysis report view, which the window owns; may be empty.
    std::function<void()> clearReport;

  private:
    Wizard& wizard_;
};

}  // namespace zendal
