#include "base/StartUp.h"

#include <gtest/gtest.h>

#include "base/Wizard.h"
#include "support/MemoryHost.h"
#include "support/RecordingStatusPort.h"
#include "support/ScriptedMessagePort.h"

using zendal::StartUp;
using zendal::StatusPort;

namespace {

class TakingTheActiveDocument : public testing::Test {
  protected:
    zendal::test::ScriptedMessagePort messages_;
    zendal::test::RecordingStatusPort status_;
    zendal::test::MemoryHost host_;
    zendal::Wizard wizard_{messages_, status_};
};

TEST_F(TakingTheActiveDocument, NameBecomesActiveDocumentAndFileList) {
    host_.fileName = "/site/index.html";
    wizard_.host = &host_;
    EXPECT_TRUE(StartUp::TakeActiveDocument(wizard_));
    EXPECT_EQ(wizard_.activeDocument, "/site/index.html");
    EXPECT_EQ(wizard_.fileList, std::vector<std::string>{"/site/index.html"});
    EXPECT_EQ(StartUp::Caption(wizard_), "Zendal - /site/index.html");
    EXPECT_EQ(status_.panels,
              (std::array<std::string, 4>{"Ready", "NONE", "NONE", "Zendal Started..."}));
    EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(TakingTheActiveDocument, FailingOrMissingHostChangesNothing) {
    host_.failFileName = true;
    for (zendal::Host* host : {static_cast<zendal::Host*>(&host_), (zendal::Host*)nullptr}) {
        wizard_.host = host;
        EXPECT_FALSE(StartUp::TakeActiveDocument(wizard_));
    }
    EXPECT_EQ(messages_.Texts(), (std::vector<std::string>(2, "Could not start HomeSite .")));
    EXPECT_EQ(messages_.shown[0].outcome, zendal::MessagePort::Outcome::Failure);
    EXPECT_EQ(wizard_.activeDocument, "");
    EXPECT_TRUE(wizard_.fileList.empty());
    EXPECT_EQ(status_.PanelText(StatusPort::StatePanel), "");
}

}  // namespace
