#pragma once

// The entry points of the commands, one per command file (cli/<Name>Command.cpp).
namespace zendal::cli {

struct CliContext;

int RunTokens(CliContext& context);  // cli/TokensCommand.cpp
int RunAnalyse(CliContext& context);
int RunKeywords(CliContext& context);       // cli/KeywordsCommand.cpp
int RunMergeKeywords(CliContext& context);  // cli/MergeKeywordsCommand.cpp

}  // namespace zendal::cli
