// template_tool: makes, takes apart and embeds the launcher's window template block.
//   pack DESCRIPTION.json --out FILE.bin     the block from a readable description
//   dump FILE.bin --out DIR                  DIR/template.json and the byte blocks, which pack back
//   embed FILE.bin --out FILE.cpp            C++ source defining launcher::EmbeddedTemplate()
//   damage FILE.bin --truncate SIZE --out FILE.bin
//                                            the first SIZE bytes (a count or "50%"), for tests

#include <string>
#include <string_view>

#include "description_dump.h"
#include "description_pack.h"
#include "embed_source.h"
#include "file_bytes.h"
#include "command_line.h"
#include "tool_error.h"
#include "truncate_block.h"

namespace launcher::template_tool {
namespace {

constexpr const char* kUsage =
    "usage: template_tool pack DESCRIPTION.json --out FILE.bin\n"
    "       template_tool dump FILE.bin --out DIR\n"
    "       template_tool embed FILE.bin --out FILE.cpp\n"
    "       template_tool damage FILE.bin --truncate SIZE|PERCENT% --out FILE.bin\n";

// The options each command takes; all of them are required.
const CommandOptions& Commands() {
    static const CommandOptions commands{
        {"pack", {"--out"}},
        {"dump", {"--out"}},
        {"embed", {"--out"}},
        {"damage", {"--out", "--truncate"}},
    };
    return commands;
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
    return launcher::template_tool::RunTool("template_tool", kUsage, Commands(), argc, argv, Run);
}
