#include "value_names.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string_view>

#include "window/window_template.h"

namespace launcher::template_tool {
namespace {

struct NamedValue {
    std::string_view name;
    std::uint32_t value;
};

constexpr std::array kHandlers{
    NamedValue{"StartGame", 256},
    NamedValue{"OpenStudioPage", 0},
    NamedValue{"none", 0xFFFFFFFF},
};

constexpr std::array kUnitFlags{
    NamedValue{"Visible", kUnitVisible},
    NamedValue{"Disabled", kUnitDisabled},
    NamedValue{"TabStop", kUnitTabStop},
};

template <std::size_t N>
const NamedValue* FindName(const std::array<NamedValue, N>& table, std::string_view name) {
    for (const auto& entry : table) {
        if (entry.name == name) return &entry;
    }
    return nullptr;
}

template <std::size_t N>
std::string NameList(const std::array<NamedValue, N>& table) {
    std::string list;
    for (const auto& entry : table) list += (list.empty() ? "" : ", ") + std::string(entry.name);
    return list;
}

// A name from the table, or failing that a number in any form U32 accepts.
template <std::size_t N>
std::uint32_t NameOrNumber(const std::array<NamedValue, N>& table, const JsonNode& node, std::string_view what) {
    if (node.IsString()) {
        if (const auto* entry = FindName(table, node.String())) return entry->value;
        if (!node.String().starts_with("0x") && !node.String().starts_with("0X")) {
            node.Fail("unknown " + std::string(what) + " \"" + node.String() + "\"; known: " + NameList(table));
        }
    }
    return node.U32();
}

}  // namespace

std::string HexU32(std::uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(value));
    return text;
}

Json HandlerToJson(std::uint32_t handler) {
    for (const auto& entry : kHandlers) {
        if (entry.value == handler) return std::string(entry.name);
    }
    return handler;
}

std::uint32_t HandlerFromJson(const JsonNode& node) {
    return NameOrNumber(kHandlers, node, "handler");
}

Json UnitFlagsToJson(std::uint32_t flags) {
    Json names = Json::array();
    for (const auto& entry : kUnitFlags) {
        if (flags & entry.value) names.push_back(std::string(entry.name));
    }
    for (std::uint32_t bit = 1; bit != 0; bit <<= 1) {
        if ((flags & bit) && !std::any_of(kUnitFlags.begin(), kUnitFlags.end(),
                                          [bit](const NamedValue& entry) { return entry.value == bit; })) {
            names.push_back(HexU32(bit));
        }
    }
    return names;
}

std::uint32_t UnitFlagsFromJson(const JsonNode& node) {
    std::uint32_t flags = 0;
    for (const auto& element : node.Elements()) flags |= NameOrNumber(kUnitFlags, element, "flag");
    return flags;
}

}  // namespace launcher::template_tool
