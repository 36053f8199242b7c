#pragma once
// The picture button: shows one of its pictures, composed off screen at the button's size, and
// raises its click event on a left-button release over it. PictureButtonBehaviour decides; this
// class gathers the facts of each pointer message and carries out the reaction.

#include <windows.h>

#include <memory>
#include <optional>

#include "controls/control_win32.h"
#include "controls/picture_button_behaviour.h"
#include "controls/picture_button_settings.h"
#include "window/dib_picture_win32.h"
#include "window/event_sink.h"
#include "window/window_base_win32.h"

namespace launcher {

class PictureButton final : public Control, public WindowBase<PictureButton> {
public:
    static std::unique_ptr<PictureButton> Create(const UnitRecord& unit, const PictureButtonSettings& settings,
                                                 HWND parent, int controlId, EventSink* events);
    ~PictureButton() override;

    HWND Hwnd() const override { return WindowBase<PictureButton>::Hwnd(); }

private:
    friend class WindowBase<PictureButton>;

    PictureButton(const UnitRecord& unit, const PictureButtonSettings& settings, EventSink* events);

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    PointerFacts FactsAt(POINT clientPoint, bool leftHeld) const;
    PointerFacts FactsOf(LPARAM position, WPARAM keys) const;
    void TrackLeave();
    void Carry(const ButtonReaction& reaction);
    void OnPaint();
    const DibPicture* ShownPicture() const;
    bool HasShape() const { return settings_.transparentColor != kNoColour; }
    void UpdateShape();

    PictureButtonSettings settings_;
    EventSink* events_;
    // Decoded once at creation; an undecodable picture counts as absent.
    std::optional<DibPicture> normal_;
    std::optional<DibPicture> hover_;
    std::optional<DibPicture> pressed_;
    std::optional<DibPicture> disabled_;
    PictureButtonBehaviour behaviour_;
    bool trackingLeave_ = false;
};

}  // namespace launcher
