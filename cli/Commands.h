#pragma once

// The entry points of the commands, one per command file (cli/<Name>Command.cpp).
namespace zendal::cli {

struct CliContext;

int RunAnalyse(CliContext& context);
int RunDct(CliContext& context);
int RunSpell(CliContext& context);
int RunTokens(CliContext& context);
int RunRead(CliContext& context);
int RunSchema(CliContext& context);  // cli/SchemaCommand.cpp
int RunKeywords(CliContext& context);       // cli/KeywordsCommand.cpp
int RunMergeKeywords(CliContext& context);  // cli/MergeKeywordsCommand.cpp

}  // namespace zendal::cli
