#pragma once
// The window template: windows made of units (the window itself and its controls) with their
// settings and event bindings, parsed from one untrusted block. Parsing produces plain structs
// whose byte views point into the block, so the block must outlive them.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "window/byte_reader.h"

namespace launcher {

// Unit types: component library number in bits 16-31, type number in bits 0-15.
inline constexpr std::uint32_t kUnitTypeWindow = 0x00010001;
inline constexpr std::uint32_t kUnitTypePictureButton = 0x0001002D;
inline constexpr std::uint32_t kUnitTypeTransLabel = 0x00020005;

// Unit flags.
inline constexpr std::uint32_t kUnitVisible = 1u << 0;
inline constexpr std::uint32_t kUnitDisabled = 1u << 1;
inline constexpr std::uint32_t kUnitTabStop = 1u << 2;

// Menu items carry 2 in the top nibble of their id and have another record layout.
constexpr bool IsMenuItemId(std::uint32_t unitId) { return (unitId >> 28) == 2; }

struct UnitRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;

    friend bool operator==(const UnitRect&, const UnitRect&) = default;
};

struct EventBinding {
    std::int32_t event = 0;       // 0 and up: the unit type's own events; negative: common events
    std::uint32_t handler = 0;    // stored handler reference, resolved to an action at start-up

    friend bool operator==(const EventBinding&, const EventBinding&) = default;
};

// One unit record as stored (texts GBK). Byte views point into the template block.
struct UnitRecord {
    std::uint32_t id = 0;
    std::uint32_t type = 0;
    std::string name;
    std::string comment;
    UnitRect rect;
    std::uint32_t parent = 0;  // 0 = the window
    std::vector<std::uint32_t> containedUnits;
    Bytes mousePointer;
    std::string tag;
    std::uint32_t unnamed = 0;
    std::uint32_t flags = 0;
    std::int32_t tabOrder = 0;
    std::vector<EventBinding> bindings;
    Bytes settings;  // type-specific, the rest of the record

    bool Visible() const { return (flags & kUnitVisible) != 0; }
    bool Disabled() const { return (flags & kUnitDisabled) != 0; }
    bool TabStop() const { return (flags & kUnitTabStop) != 0; }
};

// A unit entry located in the unit block; its record is read on demand.
struct UnitEntry {
    std::uint32_t id = 0;
    Bytes record;
};

struct WindowRecord {
    std::uint32_t id = 0;
    std::uint32_t firstValue = 0;
    std::uint32_t secondValue = 0;
    std::string name;
    std::string comment;
    std::vector<UnitEntry> units;  // in stored order; unit 0 is the window
};

struct WindowTemplate {
    std::vector<WindowRecord> windows;

    const WindowRecord* FindWindowRecord(std::uint32_t id) const;
};

// Menu items have another record layout; the launcher leaves them out, a dump keeps them.
enum class MenuItems { Skip, Keep };

// Fails when any count, offset or length runs past the end of the block or of its enclosing part.
std::optional<WindowTemplate> LoadWindowTemplate(Bytes block, MenuItems menuItems = MenuItems::Skip);

// Reads one unit record in place; fails when a field runs past the record's end.
std::optional<UnitRecord> ReadUnitRecord(const UnitEntry& entry);

// Reads every unit of a window in template order; fails when any record is unreadable.
std::optional<std::vector<UnitRecord>> ReadUnits(const WindowRecord& window);

}  // namespace launcher
