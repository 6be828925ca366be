#include <gtest/gtest.h>

#include "support/TestSupport.h"

using zendal::test::RunCli;

TEST(CliBasics, VersionAndHelpExitZero) {
    auto version = RunCli({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_NE(version.out.find("zendal-cli"), std::string::npos);
    EXPECT_TRUE(version.err.empty());

    auto help = RunCli({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("Usage: zendal-cli"), std::string::npos);
}

TEST(CliBasics, UsageErrorsExitTwo) {
    for (const auto& args :
         std::vector<std::vector<std::string>>{{}, {"no-such-command"}, {"--home"}}) {
        auto result = RunCli(args);
        EXPECT_EQ(result.status, 2);
        EXPECT_NE(result.err.find("Usage: zendal-cli"), std::string::npos);
    }
}
