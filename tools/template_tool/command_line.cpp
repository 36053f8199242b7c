#include "command_line.h"

#include <cstdio>
#include <exception>

namespace launcher::template_tool {

Invocation ParseArguments(std::span<char* const> args, const CommandOptions& commands) {
    if (args.size() < 3) throw UsageError("a command and its input are needed");
    Invocation invocation{args[1], args[2], {}};
    const auto command = commands.find(invocation.command);
    if (command == commands.end()) throw UsageError("unknown command " + invocation.command);
    const auto& allowed = command->second;
    for (std::size_t i = 3; i < args.size(); i += 2) {
        const std::string_view name = args[i];
        if (!allowed.contains(name)) throw UsageError("unknown option " + std::string(name));
        if (i + 1 >= args.size()) throw UsageError(std::string(name) + " needs a value");
        invocation.options[std::string(name)] = args[i + 1];
    }
    for (const auto& name : allowed) {
        if (!invocation.options.contains(name)) throw UsageError(name + " is needed");
    }
    return invocation;
}

int RunTool(std::string_view toolName, std::string_view usage, const CommandOptions& commands, int argc,
            char** argv, const std::function<void(const Invocation&)>& run) {
    constexpr int kFailed = 1;
    constexpr int kBadUsage = 2;
    const std::string name(toolName);
    try {
        run(ParseArguments(std::span<char* const>(argv, static_cast<std::size_t>(argc)), commands));
        return 0;
    } catch (const UsageError& error) {
        std::fprintf(stderr, "%s: %s\n%.*s", name.c_str(), error.what(), static_cast<int>(usage.size()), usage.data());
        return kBadUsage;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s\n", name.c_str(), error.what());
        return kFailed;
    }
}

}  // namespace launcher::template_tool
