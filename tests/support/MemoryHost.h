#pragma once

#include <string>
#include <vector>

#include "base/EHostFailure.h"
#include "base/Host.h"

namespace zendal::test {

// A host editor in memory: a file name and a text, with switches to make its calls fail, and a
// log of the calls made.
class MemoryHost : public Host {
  public:
    std::string fileName;
    std::string text;
    bool failFileName = false;
    bool failText = false;
    bool failUpdate = false;
    bool failToolbutton = false;
    std::vector<std::string> calls;

    std::string FILENAME() override { return Call("FILENAME", failFileName), fileName; }
    const std::string& Text() override { return Call("Text", failText), text; }
    void beginupdate() override { Call("beginupdate", failUpdate); }
    void SelectAll() override { Call("SelectAll", failUpdate); }
    void InsertText(std::string newText, bool) override {
        Call("InsertText", failUpdate);
        text = std::move(newText);
    }
    void endupdate() override { Call("endupdate", failUpdate); }
    void AddAppToolbutton(const std::string&, const std::string&, const std::string&,
                          const std::string&) override {
        Call("AddAppToolbutton", failToolbutton);
    }

  private:
    void Call(const std::string& member, bool fail) {
        calls.push_back(member);
        if (fail) {
            throw EHostFailure(member + " failed");
        }
    }
};

}  // namespace zendal::test
