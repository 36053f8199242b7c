#include "controls/picture_button_behaviour.h"

namespace launcher {

ButtonReaction PictureButtonBehaviour::Become(ButtonVisual visual, ButtonReaction reaction) {
    const ButtonVisual before = Visual();
    visual_ = visual;
    reaction.redraw = Visual() != before;  // an unchanged state causes no redraw
    return reaction;
}

ButtonReaction PictureButtonBehaviour::LeftDown(const PointerFacts& facts) {
    if (!facts.inside || !facts.enabled) return {};
    ButtonReaction reaction;
    reaction.takeCapture = !capture_;
    capture_ = true;
    return Become(ButtonVisual::Pressed, reaction);
}

ButtonReaction PictureButtonBehaviour::Move(const PointerFacts& facts) {
    ButtonReaction reaction;
    if (!facts.enabled) {
        reaction.releaseCapture = capture_;
        capture_ = false;
        return reaction;
    }
    if (facts.overButtonWindow || (facts.noWindowUnderPointer && facts.inside)) {
        reaction.takeCapture = !capture_;
        capture_ = true;
        return Become(facts.leftHeld ? ButtonVisual::Pressed : ButtonVisual::Hover, reaction);
    }
    // Off the button: keep the capture while the left button is held, so a drag back is seen.
    if (!facts.leftHeld && capture_) {
        reaction.releaseCapture = true;
        capture_ = false;
    }
    return Become(ButtonVisual::Normal, reaction);
}

ButtonReaction PictureButtonBehaviour::LeftUp(const PointerFacts& facts) {
    ButtonReaction reaction;
    reaction.releaseCapture = capture_;
    capture_ = false;
    if (!facts.inside || !facts.enabled) return reaction;
    reaction.click = true;
    if (toggle_) checked_ = !checked_;
    return Become(ButtonVisual::Normal, reaction);
}

ButtonReaction PictureButtonBehaviour::CaptureLost() {
    capture_ = false;
    return Become(ButtonVisual::Normal, {});
}

}  // namespace launcher
