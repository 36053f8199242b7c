// resource_tool: makes the files the launcher's resource script includes.
//   version DESCRIPTION.json --out FILE.bin     the version block (RT_VERSION) the description gives
//   icons ICON.ico --group NAME --first-id N --out FILE.rc
//                                               the icon's images and group as files beside
//                                               FILE.rc, and in FILE.rc the statements naming them

#include <charconv>
#include <string>
#include <string_view>

#include "file_bytes.h"
#include "icon_resources.h"
#include "resources/resource_build_error.h"
#include "resources/version_block.h"
#include "command_line.h"
#include "tool_error.h"
#include "version_description.h"

namespace launcher::resource_tool {
namespace {

using template_tool::CommandOptions;
using template_tool::Invocation;
using template_tool::UsageError;

constexpr const char* kUsage =
    "usage: resource_tool version DESCRIPTION.json --out FILE.bin\n"
    "       resource_tool icons ICON.ico --group NAME --first-id N --out FILE.rc\n";

// The options each command takes; all of them are required.
const CommandOptions& Commands() {
    static const CommandOptions commands{
        {"version", {"--out"}},
        {"icons", {"--group", "--first-id", "--out"}},
    };
    return commands;
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
    return launcher::template_tool::RunTool("resource_tool", kUsage, Commands(), argc, argv, Run);
}
