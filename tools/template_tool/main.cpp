// template_tool: makes, takes apart and embeds the launcher's window template block.
//   pack DESCRIPTION.json --out FILE.bin     the block from a readable description
//   dump FILE.bin --out DIR                  DIR/template.json and the byte blocks, which pack back
//   embed FILE.bin --out FILE.cpp            C++ source defining launcher::EmbeddedTemplate()
//   damage FILE.bin --truncate SIZE --out FILE.bin
//                                            the first SIZE bytes (a count or "50%"), for tests

#include <cstdio>
#include <exception>
#include <map>
#include <set>
#include <span>
#include <string>
#include <string_view>

#include "description_dump.h"
#include "description_pack.h"
#include "embed_source.h"
#include "file_bytes.h"
#include "tool_error.h"
#include "truncate_block.h"

namespace launcher::template_tool {
namespace {

constexpr int kFailed = 1;
constexpr int kBadUsage = 2;

constexpr const char* kUsage =
    "usage: template_tool pack DESCRIPTION.json --out FILE.bin\n"
    "       template_tool dump FILE.bin --out DIR\n"
    "       template_tool embed FILE.bin --out FILE.cpp\n"
    "       template_tool damage FILE.bin --truncate SIZE|PERCENT% --out FILE.bin\n";

struct Invocation {
    std::string command;
    std::string input;
    std::map<std::string, std::string, std::less<>> options;

    const std::string& Option(std::string_view name) const { return options.find(name)->second; }
};

class UsageError : public ToolError {
public:
    using ToolError::ToolError;
};

using OptionNames = std::set<std::string, std::less<>>;

// The options each command takes; all of them are required.
const std::map<std::string, OptionNames, std::less<>>& CommandOptions() {
    static const std::map<std::string, OptionNames, std::less<>> options{
        {"pack", {"--out"}},
        {"dump", {"--out"}},
        {"embed", {"--out"}},
        {"damage", {"--out", "--truncate"}},
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

void Run(const Invocation& invocation) {
    const std::string& out = invocation.Option("--out");
    if (invocation.command == "pack") {
        WriteFileAtomically(out, PackDescription(invocation.input));
    } else if (invocation.command == "dump") {
        DumpTemplate(ReadFileBytes(invocation.input), out);
    } else if (invocation.command == "embed") {
        WriteFileAtomically(out, EmbedSource(ReadFileBytes(invocation.input)));
    } else {  // damage
        const auto block = ReadFileBytes(invocation.input);
        WriteFileAtomically(out, TruncateBlock(block, ParseKeptSize(invocation.Option("--truncate"), block.size())));
    }
}

}  // namespace
}  // namespace launcher::template_tool

int main(int argc, char** argv) {
    using namespace launcher::template_tool;
    try {
        Run(ParseArguments(std::span<char* const>(argv, static_cast<std::size_t>(argc))));
        return 0;
    } catch (const UsageError& error) {
        std::fprintf(stderr, "template_tool: %s\n%s", error.what(), kUsage);
        return kBadUsage;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "template_tool: %s\n", error.what());
        return kFailed;
    }
}
