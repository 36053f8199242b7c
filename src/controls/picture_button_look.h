#pragma once
// Which of the picture button's pictures shows, from its visual state and what it has.

namespace launcher {

enum class ButtonVisual { Normal, Hover, Pressed };
enum class ButtonPicture { None, Normal, Hover, Pressed, Disabled };

struct ButtonPictures {
    bool normal = false;
    bool hover = false;
    bool pressed = false;
    bool disabled = false;
};

constexpr ButtonPicture ChooseButtonPicture(ButtonVisual visual, bool buttonDisabled, ButtonPictures has) {
    if (buttonDisabled && has.disabled) return ButtonPicture::Disabled;
    if (visual == ButtonVisual::Hover && has.hover) return ButtonPicture::Hover;
    if (visual == ButtonVisual::Pressed && has.pressed) return ButtonPicture::Pressed;
    return has.normal ? ButtonPicture::Normal : ButtonPicture::None;
}

}  // namespace launcher
