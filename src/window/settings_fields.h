#pragma once
// Field adapters that let one field list drive both reading and writing of a settings block,
// so a reader and its writer can never disagree on the layout.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "window/byte_reader.h"
#include "window/byte_writer.h"

namespace launcher {

class SettingsFieldReader {
public:
    // With mayEndEarly, a block that ends exactly between two fields leaves the remaining
    // fields at their defaults; a block that ends inside a field is always unreadable.
    SettingsFieldReader(ByteReader& reader, bool mayEndEarly) : r_(reader), mayEndEarly_(mayEndEarly) {}

    void U32(std::uint32_t& v) { if (More()) v = r_.U32(); }
    void I32(std::int32_t& v) { if (More()) v = r_.I32(); }
    void Flag(bool& v) { if (More()) v = r_.U32() != 0; }
    void CountedText(std::string& v) { if (More()) v = r_.CountedText(); }
    void ByteBlock(Bytes& v) { if (More()) v = r_.ByteBlock(); }
    void SignedLengthBlock(Bytes& v) { if (More()) v = r_.SignedLengthBlock(); }
    void SignedLengthText(std::string& v) { if (More()) v = ByteReader::AsString(r_.SignedLengthBlock()); }

private:
    bool More() {
        if (mayEndEarly_ && r_.AtEnd()) ended_ = true;
        return !ended_;
    }

    ByteReader& r_;
    bool mayEndEarly_;
    bool ended_ = false;
};

class SettingsFieldWriter {
public:
    explicit SettingsFieldWriter(ByteWriter& writer) : w_(writer) {}

    void U32(std::uint32_t v) { w_.U32(v); }
    void I32(std::int32_t v) { w_.I32(v); }
    void Flag(bool v) { w_.U32(v ? 1 : 0); }
    void CountedText(const std::string& v) { w_.CountedText(v); }
    void ByteBlock(Bytes v) { w_.ByteBlock(v); }
    void SignedLengthBlock(Bytes v) { w_.SignedLengthBlock(v); }
    void SignedLengthText(const std::string& v) { w_.SignedLengthBlock(ByteWriter::AsBytes(v)); }

private:
    ByteWriter& w_;
};

// A control's settings block: read over the defaults, stopping cleanly between fields, and
// unreadable when it stops inside a field or has a format version newer than newestFormat.
// visitFields(io, settings) lists the fields in stored order.
template <typename Settings, typename VisitFields>
std::optional<Settings> ReadControlSettings(Bytes block, std::uint32_t newestFormat, VisitFields visitFields) {
    Settings settings;
    ByteReader reader(block);
    SettingsFieldReader io(reader, /*mayEndEarly=*/true);
    visitFields(io, settings);
    if (!reader.Ok() || settings.formatVersion > newestFormat) return std::nullopt;
    return settings;
}

template <typename Settings, typename VisitFields>
std::vector<std::uint8_t> WriteSettingsFields(const Settings& settings, VisitFields visitFields) {
    ByteWriter writer;
    SettingsFieldWriter io(writer);
    visitFields(io, settings);
    return writer.Take();
}

}  // namespace launcher
