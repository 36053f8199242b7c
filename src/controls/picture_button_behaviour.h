#pragma once
// How the picture button answers the pointer: its visual state, whether it holds the pointer
// capture, and when it clicks. Pure: the Win32 control gathers the facts of each message, feeds
// them in and carries out the reaction (capture, redraw, click) in the order given.

#include "controls/picture_button_look.h"

namespace launcher {

// What the control knows about the pointer when a message arrives.
struct PointerFacts {
    bool inside = false;            // the point lies in the button's shape
    bool overButtonWindow = false;  // the window under the pointer on the screen is the button
    bool noWindowUnderPointer = false;
    bool leftHeld = false;
    bool enabled = true;
};

struct ButtonReaction {
    bool takeCapture = false;
    bool releaseCapture = false;  // carried out first
    bool redraw = false;          // carried out before the click
    bool click = false;

    friend bool operator==(const ButtonReaction&, const ButtonReaction&) = default;
};

class PictureButtonBehaviour {
public:
    PictureButtonBehaviour(bool toggle, bool checked) : toggle_(toggle), checked_(checked) {}

    // The state whose picture shows: a toggle button that is down shows pressed.
    ButtonVisual Visual() const { return toggle_ && checked_ ? ButtonVisual::Pressed : visual_; }
    bool HoldsCapture() const { return capture_; }
    bool Checked() const { return checked_; }

    ButtonReaction LeftDown(const PointerFacts& facts);
    ButtonReaction Move(const PointerFacts& facts);
    ButtonReaction LeftUp(const PointerFacts& facts);
    // Someone else took the capture: the button no longer sees the pointer leave.
    ButtonReaction CaptureLost();

private:
    ButtonReaction Become(ButtonVisual visual, ButtonReaction reaction);

    bool toggle_;
    bool checked_;
    ButtonVisual visual_ = ButtonVisual::Normal;
    bool capture_ = false;
};

}  // namespace launcher
