#pragma once

#include <deque>
#include <string>
#include <vector>

#include "base/MessagePort.h"

namespace zendal::test {

// Records every box and answers questions from a script (Yes when the script is empty).
class ScriptedMessagePort : public MessagePort {
  public:
    struct Shown {
        Box box;
        Outcome outcome;
        std::string text;
    };

    void Show(Box box, Outcome outcome, const std::string& text) override {
        shown.push_back({box, outcome, text});
    }
    bool AskYesNo(const std::string& text) override {
        questions.push_back(text);
        if (answers.empty()) {
            return true;
        }
        bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const Shown& s : shown) {
            texts.push_back(s.text);
        }
        return texts;
    }

    std::vector<Shown> shown;
    std::vector<std::string> questions;
    std::deque<bool> answers;
};

}  // namespace zendal::test
