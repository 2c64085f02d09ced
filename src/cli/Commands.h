#pragma once

struct Invocation;
struct ToolContext;

// The subcommands; each answers the process's exit code.
int runCheck(const Invocation &invocation, const ToolContext &context);
int runConvert(const Invocation &invocation, const ToolContext &context);
int runDate(const Invocation &invocation, const ToolContext &context);
int runLinks(const Invocation &invocation, const ToolContext &context);
int runChanged(const Invocation &invocation, const ToolContext &context);
int runPublish(const Invocation &invocation, const ToolContext &context);
int runSearch(const Invocation &invocation, const ToolContext &context);
int runReplace(const Invocation &invocation, const ToolContext &context);
