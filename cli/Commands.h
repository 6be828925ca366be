#pragma once

// The entry points of the commands, one per command file (cli/<Name>Command.cpp).
namespace zendal::cli {

struct CliContext;

int RunRead(CliContext& context);
int RunSchema(CliContext& context);  // cli/SchemaCommand.cpp

}  // namespace zendal::cli
