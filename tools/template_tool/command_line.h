#pragma once
// The command line shared by the build's host tools: `tool COMMAND INPUT --option value ...`,
// every option of a command required, and the same exit codes and messages.

#include <functional>
#include <map>
#include <set>
#include <span>
#include <string>
#include <string_view>

#include "tool_error.h"

namespace launcher::template_tool {

class UsageError : public ToolError {
public:
    using ToolError::ToolError;
};

struct Invocation {
    std::string command;
    std::string input;
    std::map<std::string, std::string, std::less<>> options;

    const std::string& Option(std::string_view name) const { return options.find(name)->second; }
};

// Each command with the options it takes.
using CommandOptions = std::map<std::string, std::set<std::string, std::less<>>, std::less<>>;

Invocation ParseArguments(std::span<char* const> args, const CommandOptions& commands);

// Parses the arguments and runs the command; returns the exit code: 0, 1 when the command
// failed, 2 for a wrong command line (with the usage text).
int RunTool(std::string_view toolName, std::string_view usage, const CommandOptions& commands, int argc,
            char** argv, const std::function<void(const Invocation&)>& run);

}  // namespace launcher::template_tool
