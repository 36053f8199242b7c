#pragma once
// The tool's one error: a message fit to print as it is, naming the file or description path at fault.

#include <stdexcept>

namespace launcher::template_tool {

class ToolError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace launcher::template_tool
