#include "controls/picture_button_win32.h"

#include <windowsx.h>

#include "controls/child_window_win32.h"
#include "controls/shape_runs.h"
#include "window/win32_handles.h"

namespace launcher {
namespace {

constexpr wchar_t kClassName[] = L"VaskoranPictureButton";

}  // namespace

PictureButton::PictureButton(const UnitRecord& unit, const PictureButtonSettings& settings, EventSink* events)
    : Control(unit),
      settings_(settings),
      events_(events),
      normal_(DibPicture::Decode(settings.normalPicture)),
      hover_(DibPicture::Decode(settings.hoverPicture)),
      pressed_(DibPicture::Decode(settings.pressedPicture)),
      disabled_(DibPicture::Decode(settings.disabledPicture)),
      behaviour_(settings.IsToggle(), settings.checked) {}

std::unique_ptr<PictureButton> PictureButton::Create(const UnitRecord& unit, const PictureButtonSettings& settings,
                                                     HWND parent, int controlId, EventSink* events) {
    if (!RegisterControlClass(kClassName, &WindowProc)) return nullptr;
    std::unique_ptr<PictureButton> button(new PictureButton(unit, settings, events));
    if (CreateChildWindow(kClassName, unit, parent, controlId, button.get()) == nullptr) return nullptr;
    button->UpdateShape();
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
    case WM_LBUTTONDOWN:
        Carry(behaviour_.LeftDown(FactsOf(lParam, wParam)));
        return 0;
    case WM_MOUSEMOVE:
        TrackLeave();
        Carry(behaviour_.Move(FactsOf(lParam, wParam)));
        return 0;
    case WM_MOUSELEAVE: {
        // The capture shows the pointer leaving; where the platform does not back the capture
        // for a jump straight out of the launcher's window, this notice still does.
        trackingLeave_ = false;
        POINT point{};
        ::GetCursorPos(&point);
        ::ScreenToClient(Hwnd(), &point);
        const PointerFacts facts = FactsAt(point, ::GetKeyState(VK_LBUTTON) < 0);
        if (!facts.overButtonWindow) Carry(behaviour_.Move(facts));
        return 0;
    }
    case WM_LBUTTONUP:
        Carry(behaviour_.LeftUp(FactsOf(lParam, wParam)));
        return 0;
    case WM_CAPTURECHANGED:
        // Only a capture taken away by someone else; the button's own releases are already known.
        if (behaviour_.HoldsCapture()) Carry(behaviour_.CaptureLost());
        return 0;
    case WM_ENABLE:
        UpdateShape();
        ::InvalidateRect(Hwnd(), nullptr, FALSE);
        return 0;
    default:
        // A double-click is not a press; right and middle buttons and the wheel do nothing.
        return DefaultHandling(message, wParam, lParam);
    }
}

void PictureButton::TrackLeave() {
    if (trackingLeave_) return;
    TRACKMOUSEEVENT track{};
    track.cbSize = sizeof(track);
    track.dwFlags = TME_LEAVE;
    track.hwndTrack = Hwnd();
    trackingLeave_ = ::TrackMouseEvent(&track) != FALSE;
}

PointerFacts PictureButton::FactsOf(LPARAM position, WPARAM keys) const {
    return FactsAt({GET_X_LPARAM(position), GET_Y_LPARAM(position)}, (keys & MK_LBUTTON) != 0);
}

PointerFacts PictureButton::FactsAt(POINT point, bool leftHeld) const {
    PointerFacts facts;
    RECT client{};
    ::GetClientRect(Hwnd(), &client);
    facts.inside = ::PtInRect(&client, point) != FALSE;
    if (facts.inside && HasShape()) {
        UniqueRegion shape(::CreateRectRgn(0, 0, 0, 0));
        if (::GetWindowRgn(Hwnd(), shape.Get()) != ERROR) facts.inside = ::PtInRegion(shape.Get(), point.x, point.y) != FALSE;
    }
    POINT screen = point;
    ::ClientToScreen(Hwnd(), &screen);
    HWND under = ::WindowFromPoint(screen);
    facts.overButtonWindow = under == Hwnd();
    facts.noWindowUnderPointer = under == nullptr;
    facts.leftHeld = leftHeld;
    facts.enabled = ::IsWindowEnabled(Hwnd()) != FALSE;
    return facts;
}

void PictureButton::Carry(const ButtonReaction& reaction) {
    if (reaction.releaseCapture && ::GetCapture() == Hwnd()) ::ReleaseCapture();
    if (reaction.takeCapture) ::SetCapture(Hwnd());
    if (reaction.redraw) {
        // At once, so the new picture is on the screen before anything else happens.
        UpdateShape();
        ::InvalidateRect(Hwnd(), nullptr, FALSE);
        ::UpdateWindow(Hwnd());
    }
    if (reaction.click && events_ != nullptr) events_->Raise(Unit().id, kEventClicked, {});
}

const DibPicture* PictureButton::ShownPicture() const {
    const ButtonPictures has{normal_.has_value(), hover_.has_value(), pressed_.has_value(), disabled_.has_value()};
    switch (ChooseButtonPicture(behaviour_.Visual(), !::IsWindowEnabled(Hwnd()), has)) {
    case ButtonPicture::Normal: return &*normal_;
    case ButtonPicture::Hover: return &*hover_;
    case ButtonPicture::Pressed: return &*pressed_;
    case ButtonPicture::Disabled: return &*disabled_;
    case ButtonPicture::None: break;
    }
    return nullptr;
}

void PictureButton::UpdateShape() {
    if (!HasShape()) return;
    RECT client{};
    ::GetClientRect(Hwnd(), &client);
    const DibPicture* picture = ShownPicture();
    const COLORREF cut = settings_.transparentColor & 0x00FFFFFF;
    const Size pictureSize = picture != nullptr ? picture->Dimensions() : Size{};
    // The composed image: the picture at the top-left corner, black wherever it does not reach.
    auto isCut = [&](int x, int y) {
        if (x < pictureSize.width && y < pictureSize.height) return picture->PixelIs(x, y, cut);
        return cut == RGB(0, 0, 0);
    };
    UniqueRegion shape(::CreateRectRgn(0, 0, 0, 0));
    for (const Rect& run : KeptRuns({client.right, client.bottom}, isCut)) {
        UniqueRegion piece(::CreateRectRgn(run.left, run.top, run.right, run.bottom));
        ::CombineRgn(shape.Get(), shape.Get(), piece.Get(), RGN_OR);
    }
    // The system owns the region from here on.
    if (::SetWindowRgn(Hwnd(), shape.Get(), TRUE) != 0) shape.Release();
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
