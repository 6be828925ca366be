#pragma once

#include <string>

#include "head/TagList.h"

namespace zendal {

class Wizard;

// The commands that fill the wizard fields from the host's active document: the full read
// (start-up and refresh), the Read Html buttons of pages 1, 2 and 2.a, and the refresh. Each
// reports progress in the status bar and turns the document's failures into messages; a failure
// of any other kind passes on to the caller once the status bar is back to "Ready".
class ReadCommands {
  public:
    explicit ReadCommands(Wizard& wizard);

    // Each returns true when the read ran to its end without showing a message.
    bool xread();
    bool Button15Click();       // page 1: title, key words and description
    bool rhtmloptClick();       // page 2: the option fields
    bool SpeedButton14Click();  // page 2.a: the custom grid's values
    // Refresh: asks, reads the settings, takes the host's active document anew and reads it.
    // The window's caption follows the new active document (StartUp::Caption).
    void SpeedButton2Click();

    // The tag list of the last read.
    TagList tagList;

    static constexpr const char* kRefreshQuestion =
        "Refresh Clears All Current Values in the Wizard!   Continue?";

  private:
    enum class Reading { Full, KeywordsAndDescription, Options, Custom };
    struct Member;
    static const Member kXread;
    static const Member kPage1;
    static const Member kOptions;
    static const Member kCustom;

    bool Run(const Member& member);
    bool LoadAndRead(const Member& member);
    void ReadHead(Reading reading);
    void ReadSet(int set);
    void Status(const std::string& text);
    void StatusAndRepaint(const std::string& text);
    void Pause();
    std::string Entry() const;

    Wizard& wizard_;
};

}  // namespace zendal
