// resource_tool: makes the files the launcher's resource script includes.
//   version DESCRIPTION.json --out FILE.bin     the version block (RT_VERSION) the description gives
//   icons ICON.ico --group NAME --first-id N --out FILE.rc
//                                               the icon's images and group as files beside
//                                               FILE.rc, and in FILE.rc the statements naming them

#include <charconv>
#include <cstdio>
#include <exception>
#include <map>
#include <set>
#include <span>
#include <string>
#include <string_view>

#include "file_bytes.h"
#include "icon_resources.h"
#include "resources/resource_build_error.h"
#include "resources/version_block.h"
#include "tool_error.h"
#include "version_description.h"

namespace launcher::resource_tool {
namespace {

constexpr int kFailed = 1;
constexpr int kBadUsage = 2;

constexpr const char* kUsage =
    "usage: resource_tool version DESCRIPTION.json --out FILE.bin\n"
    "       resource_tool icons ICON.ico --group NAME --first-id N --out FILE.rc\n";

class UsageError : public template_tool::ToolError {
public:
    using ToolError::ToolError;
};

struct Invocation {
    std::string command;
    std::string input;
    std::map<std::string, std::string, std::less<>> options;

    const std::string& Option(std::string_view name) const { return options.find(name)->second; }
};

using OptionNames = std::set<std::string, std::less<>>;

// The options each command takes; all of them are required.
const std::map<std::string, OptionNames, std::less<>>& CommandOptions() {
    static const std::map<std::string, OptionNames, std::less<>> options{
        {"version", {"--out"}},
        {"icons", {"--group", "--first-id", "--out"}},
    };
    return options;
}

Invocation ParseArguments(std::span<char* const> args) {
    if (args.size() < 3) throw UsageError("a command and its input are needed");
    Invocation invocation{args[1], args[2], {}};
    const auto command = CommandOptions().find(invocation.command);
    if (command == CommandOptions().end()) throw UsageError("unknown command " + invocation.command);
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

std::uint16_t ParseId(std::string_view text) {
    std::uint16_t id = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), id);
    if (error != std::errc{} || end != text.data() + text.size() || id == 0) {
        throw UsageError("--first-id needs a number from 1 to 65535");
    }
    return id;
}

void Run(const Invocation& invocation) {
    const std::string& out = invocation.Option("--out");
    try {
        if (invocation.command == "version") {
            const auto block = resources::BuildVersionBlock(ReadVersionDescription(invocation.input));
            template_tool::WriteFileAtomically(out, Bytes(block));
        } else {  // icons
            WriteIconResources(invocation.input, invocation.Option("--group"),
                               ParseId(invocation.Option("--first-id")), out);
        }
    } catch (const resources::ResourceBuildError& error) {
        throw template_tool::ToolError(invocation.input + ": " + error.what());
    }
}

}  // namespace
}  // namespace launcher::resource_tool

int main(int argc, char** argv) {
    using namespace launcher::resource_tool;
    try {
        Run(ParseArguments(std::span<char* const>(argv, static_cast<std::size_t>(argc))));
        return 0;
    } catch (const UsageError& error) {
        std::fprintf(stderr, "resource_tool: %s\n%s", error.what(), kUsage);
        return kBadUsage;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "resource_tool: %s\n", error.what());
        return kFailed;
    }
}
