#pragma once
// The picture button: shows one of its pictures, composed off screen at the button's size.

#include <windows.h>

#include <memory>
#include <optional>

#include "controls/control_win32.h"
#include "controls/picture_button_look.h"
#include "controls/picture_button_settings.h"
#include "window/dib_picture_win32.h"
#include "window/window_base_win32.h"

namespace launcher {

class PictureButton final : public Control, public WindowBase<PictureButton> {
public:
    static std::unique_ptr<PictureButton> Create(const UnitRecord& unit, const PictureButtonSettings& settings,
                                                 HWND parent, int controlId);
    ~PictureButton() override;

    HWND Hwnd() const override { return WindowBase<PictureButton>::Hwnd(); }

private:
    friend class WindowBase<PictureButton>;

    PictureButton(const UnitRecord& unit, const PictureButtonSettings& settings);

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnPaint();
    const DibPicture* ShownPicture() const;

    PictureButtonSettings settings_;
    // Decoded once at creation; an undecodable picture counts as absent.
    std::optional<DibPicture> normal_;
    std::optional<DibPicture> hover_;
    std::optional<DibPicture> pressed_;
    std::optional<DibPicture> disabled_;
    ButtonVisual visual_ = ButtonVisual::Normal;
};

}  // namespace launcher
