#include "head/ActiveDocument.h"

#include <gtest/gtest.h>

#include "base/Wizard.h"
#include "support/MemoryHost.h"
#include "support/RecordingStatusPort.h"
#include "support/ScriptedMessagePort.h"

using zendal::ActiveDocument;

namespace {

class LoadingTheActiveDocument : public testing::Test {
  protected:
    LoadingTheActiveDocument() {
        wizard_.host = &host_;
        wizard_.htmlrichedit.AppendText("left over from the last command");
    }
    zendal::test::ScriptedMessagePort messages_;
    zendal::test::RecordingStatusPort status_;
    zendal::test::MemoryHost host_;
    zendal::Wizard wizard_{messages_, status_};
};

TEST_F(LoadingTheActiveDocument, TakesTheHostsTextAsOnePiece) {
    host_.text = "<html>\r\n<head>\r\n</head>\r\n</html>\r\n";
    EXPECT_TRUE(ActiveDocument::Load(wizard_));
    EXPECT_EQ(wizard_.htmlrichedit.WholeText(), host_.text + "\r\n");
    EXPECT_EQ(wizard_.htmlrichedit.LineCount(), 5);
    EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(LoadingTheActiveDocument, FailureLeavesTheBufferEmpty) {
    host_.failText = true;
    EXPECT_FALSE(ActiveDocument::Load(wizard_));
    EXPECT_FALSE(ActiveDocument::Load(wizard_, ActiveDocument::kOptionsLoadFailure));
    wizard_.host = nullptr;
    EXPECT_FALSE(ActiveDocument::Load(wizard_));
    EXPECT_EQ(messages_.Texts(), (std::vector<std::string>{"Could not Load File, Error 101!",
                                                           "Could not Load File, Error 103!",
                                                           "Could not Load File, Error 101!"}));
    EXPECT_EQ(messages_.shown[0].box, zendal::MessagePort::Box::Plain);
    EXPECT_EQ(messages_.shown[0].outcome, zendal::MessagePort::Outcome::Failure);
    EXPECT_EQ(wizard_.htmlrichedit.LineCount(), 0);
    EXPECT_EQ(host_.calls, (std::vector<std::string>{"Text", "Text"}));
}

}  // namespace
