#pragma once

// The entry points of the commands, one per command file (cli/<Name>Command.cpp).
namespace zendal::cli {

struct CliContext;

int RunAnalyse(CliContext& context);
int RunCheck(CliContext& context);
int RunDct(CliContext& context);
int RunKeywords(CliContext& context);
int RunMergeKeywords(CliContext& context);
int RunRead(CliContext& context);
int RunSchema(CliContext& context);
int RunSpell(CliContext& context);
int RunTags(CliContext& context);
int RunTokens(CliContext& context);
int RunUpdate(CliContext& context);

}  // namespace zendal::cli
