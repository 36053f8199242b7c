#include "controls/picture_button_win32.h"

#include "controls/child_window_win32.h"
#include "window/win32_handles.h"

namespace launcher {
namespace {

constexpr wchar_t kClassName[] = L"VaskoranPictureButton";

}  // namespace

PictureButton::PictureButton(const UnitRecord& unit, const PictureButtonSettings& settings)
    : Control(unit),
      settings_(settings),
      normal_(DibPicture::Decode(settings.normalPicture)),
      hover_(DibPicture::Decode(settings.hoverPicture)),
      pressed_(DibPicture::Decode(settings.pressedPicture)),
      disabled_(DibPicture::Decode(settings.disabledPicture)) {}

std::unique_ptr<PictureButton> PictureButton::Create(const UnitRecord& unit, const PictureButtonSettings& settings,
                                                     HWND parent, int controlId) {
    if (!RegisterControlClass(kClassName, &WindowProc)) return nullptr;
    std::unique_ptr<PictureButton> button(new PictureButton(unit, settings));
    if (CreateChildWindow(kClassName, unit, parent, controlId, button.get()) == nullptr) return nullptr;
    return button;
}

PictureButton::~PictureButton() {
    if (Hwnd() != nullptr) ::DestroyWindow(Hwnd());
}

LRESULT PictureButton::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1;  // the whole button is drawn in one copy
    case WM_PAINT:
        OnPaint();
        return 0;
    default:
        return DefaultHandling(message, wParam, lParam);
    }
}

const DibPicture* PictureButton::ShownPicture() const {
    const ButtonPictures has{normal_.has_value(), hover_.has_value(), pressed_.has_value(), disabled_.has_value()};
    switch (ChooseButtonPicture(visual_, !::IsWindowEnabled(Hwnd()), has)) {
    case ButtonPicture::Normal: return &*normal_;
    case ButtonPicture::Hover: return &*hover_;
    case ButtonPicture::Pressed: return &*pressed_;
    case ButtonPicture::Disabled: return &*disabled_;
    case ButtonPicture::None: break;
    }
    return nullptr;
}

void PictureButton::OnPaint() {
    PaintScope paint(Hwnd());
    RECT client{};
    ::GetClientRect(Hwnd(), &client);
    // Composed off screen, then copied in one step so the button never flickers. Black shows
    // wherever the picture does not reach; what lies beyond the button's edges is cut off.
    UniqueMemoryDc canvas(::CreateCompatibleDC(paint.Dc()));
    UniqueBitmap canvasBitmap(::CreateCompatibleBitmap(paint.Dc(), client.right, client.bottom));
    if (!canvas || !canvasBitmap) return;
    ScopedSelect select(canvas.Get(), canvasBitmap.Get());
    ::PatBlt(canvas.Get(), 0, 0, client.right, client.bottom, BLACKNESS);
    if (const DibPicture* picture = ShownPicture()) {
        picture->Draw(canvas.Get(), {0, 0, client.right, client.bottom});
    }
    ::BitBlt(paint.Dc(), 0, 0, client.right, client.bottom, canvas.Get(), 0, 0, SRCCOPY);
}

}  // namespace launcher
