#pragma once
// The named settings of each unit type the launcher knows, in stored order, tied to the core's
// reader and writer of that type's settings block. One field list serves both directions.

#include <cstdint>
#include <optional>
#include <vector>

#include "controls/picture_button_fields.h"
#include "controls/picture_button_settings.h"
#include "controls/trans_label_fields.h"
#include "controls/trans_label_settings.h"
#include "window/window_settings.h"
#include "window/window_template.h"

namespace launcher::template_tool {

struct WindowSettingsFormat {
    using Settings = WindowSettings;
    static constexpr std::uint32_t kUnitType = kUnitTypeWindow;

    static std::optional<Settings> Read(Bytes block) { return ReadWindowSettings(block); }
    static std::vector<std::uint8_t> Write(const Settings& s) { return WriteWindowSettings(s); }

    template <typename Io, typename S>
    static void Visit(Io& io, S& s) {
        io.Version("layoutVersion", s.layoutVersion, kNewestWindowLayout);
        io.Number("Border", s.border);
        io.Number("PictureMode", s.pictureMode);
        io.Hex("BackColor", s.backColor);
        io.Flag("MaxButton", s.maxButton);
        io.Flag("MinButton", s.minButton);
        io.Flag("ControlBox", s.controlBox);
        io.Number("StartPosition", s.startPosition);
        io.Flag("Movable", s.movable);
        io.Number("PlayCount", s.playCount);
        io.Flag("EnterMovesFocus", s.enterMovesFocus);
        io.Flag("EscCloses", s.escCloses);
        io.Flag("F1OpensHelp", s.f1OpensHelp);
        io.Number("HelpContext", s.helpContext);
        // Older layouts do not store the later settings; a description of one leaves them out.
        if (s.layoutVersion >= 2) io.Flag("ShowInTaskbar", s.showInTaskbar);
        if (s.layoutVersion >= 3) {
            io.Flag("DragAnywhere", s.dragAnywhere);
            io.Number("Shape", s.shape);
        }
        if (s.layoutVersion >= 4) io.Flag("TopMost", s.topMost);
        if (s.layoutVersion >= 5) io.Flag("KeepTitleActive", s.keepTitleActive);
        if (s.layoutVersion >= 6) io.Text("ClassName", s.className);
        io.Block("BackPicture", s.backPicture);
        io.Block("Icon", s.icon);
        io.Block("BackMusic", s.backMusic);
        io.Text("Caption", s.caption);
        io.Text("HelpFile", s.helpFile);
    }
};

struct PictureButtonSettingsFormat {
    using Settings = PictureButtonSettings;
    static constexpr std::uint32_t kUnitType = kUnitTypePictureButton;
    static constexpr std::uint32_t kNewestFormat = kNewestPictureButtonFormat;

    static std::optional<Settings> Read(Bytes block) { return ReadPictureButtonSettings(block); }
    static std::vector<std::uint8_t> Write(const Settings& s) { return WritePictureButtonSettings(s); }

    template <typename Io, typename S>
    static void Visit(Io& io, S& s) {
        io.Version("formatVersion", s.formatVersion, kNewestFormat);
        io.Number("ButtonType", s.buttonType);
        io.Flag("Checked", s.checked);
        io.Hex("TransparentColor", s.transparentColor);
        io.Block("NormalPicture", s.normalPicture);
        io.Block("HoverPicture", s.hoverPicture);
        io.Block("PressedPicture", s.pressedPicture);
        io.Block("DisabledPicture", s.disabledPicture);
    }
};

struct TransLabelSettingsFormat {
    using Settings = TransLabelSettings;
    static constexpr std::uint32_t kUnitType = kUnitTypeTransLabel;
    static constexpr std::uint32_t kNewestFormat = kNewestTransLabelFormat;

    static std::optional<Settings> Read(Bytes block) { return ReadTransLabelSettings(block); }
    static std::vector<std::uint8_t> Write(const Settings& s) { return WriteTransLabelSettings(s); }

    template <typename Io, typename S>
    static void Visit(Io& io, S& s) {
        io.Version("formatVersion", s.formatVersion, kNewestFormat);
        io.Number("TextEffect", s.textEffect);
        io.Hex("TextColor", s.textColor);
        io.Number("HorizontalAlign", s.horizontalAlign);
        io.Number("VerticalAlign", s.verticalAlign);
        io.Flag("WordWrap", s.wordWrap);
        io.Block("LabelFont", s.labelFont);
        io.Text("LabelCaption", s.caption);
    }
};

}  // namespace launcher::template_tool
