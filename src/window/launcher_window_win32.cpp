#include "window/launcher_window_win32.h"

#include <algorithm>

#include "window/gbk_text_win32.h"
#include "window/pre_translate_win32.h"
#include "window/unit_events_win32.h"
#include "window/window_layout.h"
#include "window/window_style_win32.h"

namespace launcher {
namespace {

constexpr wchar_t kDefaultClassName[] = L"VaskoranLauncherWindow";
constexpr int kFirstControlId = 100;
constexpr int kControlIdStep = 10;

// Registers a window class once per process; a class that already exists is fine.
bool RegisterLauncherWindowClass(const std::wstring& className, WNDPROC windowProc) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    wc.lpfnWndProc = windowProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = nullptr;  // the window paints everything itself
    wc.lpszClassName = className.c_str();
    return ::RegisterClassExW(&wc) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

std::unique_ptr<LauncherWindow> LauncherWindow::Build(const WindowRecord& record, WindowLoadOptions options) {
    auto units = ReadUnits(record);
    if (!units || units->empty() || (*units)[0].type != kUnitTypeWindow) return nullptr;
    auto settings = ReadWindowSettings((*units)[0].settings);
    if (!settings) return nullptr;

    std::unique_ptr<LauncherWindow> window(
        new LauncherWindow(record.id, std::move(*units), std::move(*settings), std::move(options)));
    if (!window->CreateFrame() || !window->BuildControls()) return nullptr;  // the destructor cleans up
    window->StackControls();
    window->ShowAll();
    return window;
}

LauncherWindow::~LauncherWindow() { Destroy(); }

bool LauncherWindow::CreateFrame() {
    const std::wstring className = settings_.className.empty() ? kDefaultClassName : WideFromGbk(settings_.className);
    if (className.empty() || !RegisterLauncherWindowClass(className, &WindowProc)) return false;

    const UnitRect& r = units_[0].rect;
    const auto start = static_cast<StartPosition>(settings_.startPosition);
    const FrameStyle frame = FrameStyleFor(settings_);
    DWORD style = WindowStyleFor(frame);
    if (start == StartPosition::Minimized) style |= WS_MINIMIZE;
    if (start == StartPosition::Maximized && frame.sizingFrame) style |= WS_MAXIMIZE;

    int x = r.left;
    int y = r.top;
    if (start == StartPosition::Centred) {
        x = CentredCoordinate(::GetSystemMetrics(SM_CXSCREEN), r.width);
        y = CentredCoordinate(::GetSystemMetrics(SM_CYSCREEN), r.height);
    }

    // Windows kept out of the taskbar are owned by the hidden owner window.
    HWND owner = options_.parent;
    if (owner == nullptr && (!settings_.showInTaskbar || options_.modal)) owner = options_.hiddenOwner;

    const std::wstring caption = WideFromGbk(settings_.caption);
    if (::CreateWindowExW(ExtendedStyleFor(frame), className.c_str(), caption.c_str(), style, x, y, r.width,
                          r.height, owner, nullptr, ::GetModuleHandleW(nullptr), this) == nullptr) {
        return false;
    }
    HWND hwnd = Hwnd();

    // The system may give an unowned window a caption bar of its own accord; take back what the
    // settings do not ask for, and set the exact outer size where the system changed it.
    const auto current = static_cast<DWORD>(::GetWindowLongPtrW(hwnd, GWL_STYLE));
    ::SetWindowLongPtrW(hwnd, GWL_STYLE, static_cast<LONG_PTR>((current & ~kFrameStyleMask) | (style & kFrameStyleMask)));
    ::SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                   SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT actual{};
    ::GetWindowRect(hwnd, &actual);
    if (actual.left != x || actual.top != y || actual.right - actual.left != r.width ||
        actual.bottom - actual.top != r.height) {
        ::SetWindowPos(hwnd, nullptr, x, y, r.width, r.height, SWP_NOZORDER | SWP_NOACTIVATE);
    }

    icons_ = MakeWindowIcons(settings_.icon);
    ::SendMessageW(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icons_.large.Get()));
    ::SendMessageW(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icons_.small.Get()));
    ::SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), FALSE);

    if (settings_.topMost) {
        ::SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    if (!settings_.movable) {
        ::DeleteMenu(::GetSystemMenu(hwnd, FALSE), SC_MOVE, MF_BYCOMMAND);
    }
    return true;
}

bool LauncherWindow::BuildControls() {
    // Built from the last unit down to unit 1, numbered in the order they are built.
    std::vector<std::unique_ptr<Control>> built;
    int controlId = kFirstControlId;
    for (std::size_t i = units_.size(); i-- > 1;) {
        const UnitRecord& unit = units_[i];
        HWND parent = Hwnd();
        if (unit.parent != 0) {
            const auto holder = std::find_if(built.begin(), built.end(),
                                             [&](const auto& c) { return c->Unit().id == unit.parent; });
            if (holder != built.end()) parent = (*holder)->Hwnd();
        }
        auto control = CreateControl(unit, parent, controlId, options_.events);
        if (!control) return false;
        controlId += kControlIdStep;
        built.push_back(std::move(control));
    }
    std::reverse(built.begin(), built.end());
    controls_ = std::move(built);
    return true;
}

void LauncherWindow::StackControls() const {
    // Unit 1 on top; each later unit directly below the nearest earlier unit with the same parent.
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        HWND insertAfter = HWND_TOP;
        for (std::size_t j = i; j-- > 0;) {
            if (controls_[j]->Unit().parent == controls_[i]->Unit().parent) {
                insertAfter = controls_[j]->Hwnd();
                break;
            }
        }
        ::SetWindowPos(controls_[i]->Hwnd(), insertAfter, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

void LauncherWindow::ShowAll() const {
    for (const auto& control : controls_) {
        if (control->Unit().Visible()) ::ShowWindow(control->Hwnd(), SW_SHOWNA);
    }
    if (!units_[0].Visible()) return;
    switch (static_cast<StartPosition>(settings_.startPosition)) {
    case StartPosition::Maximized: ::ShowWindow(Hwnd(), SW_SHOWMAXIMIZED); break;
    case StartPosition::Minimized: ::ShowWindow(Hwnd(), SW_SHOWMINIMIZED); break;
    default: ::ShowWindow(Hwnd(), SW_SHOWNORMAL); break;
    }
}

void LauncherWindow::BringToFront() const {
    if (!IsOpen()) return;
    if (::IsIconic(Hwnd())) {
        ::ShowWindow(Hwnd(), SW_RESTORE);
    } else {
        ::SetForegroundWindow(Hwnd());
    }
}

void LauncherWindow::Destroy() {
    if (IsOpen()) ::DestroyWindow(Hwnd());
}

LRESULT LauncherWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == PreTranslateMessageId()) return OnPreTranslate(*reinterpret_cast<const MSG*>(lParam)) ? 1 : 0;
    switch (message) {
    case WM_ERASEBKGND:
        return 1;  // everything is drawn in WM_PAINT
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_PRINTCLIENT: {
        // Transparent controls ask for the background beneath them this way.
        RECT box{};
        if (::GetClipBox(reinterpret_cast<HDC>(wParam), &box) != ERROR) {
            PaintBackground(reinterpret_cast<HDC>(wParam), box);
        }
        return 0;
    }
    case WM_ACTIVATE:
        ::UpdateWindow(Hwnd());  // complete any pending repaint at once
        break;
    case WM_SETFOCUS:
        OnSetFocus();
        return 0;
    case WM_GETMINMAXINFO: {
        // The stored outer size may exceed the screen; let the window keep it.
        auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
        info->ptMaxTrackSize.x = std::max<LONG>(info->ptMaxTrackSize.x, units_[0].rect.width);
        info->ptMaxTrackSize.y = std::max<LONG>(info->ptMaxTrackSize.y, units_[0].rect.height);
        return 0;
    }
    case WM_CLOSE:
        // No close-query handler is bound, so a close request always proceeds.
        ::DestroyWindow(Hwnd());
        return 0;
    case WM_QUERYENDSESSION:
        return TRUE;
    default:
        break;
    }
    return DefaultHandling(message, wParam, lParam);
}

void LauncherWindow::OnWindowGone() {
    controls_.clear();
    backPicture_.reset();
    icons_ = {};
    if (options_.onDestroyed) options_.onDestroyed();
}

void LauncherWindow::OnPaint() {
    PaintScope paint(Hwnd());
    const RECT& box = paint.Box();
    if (box.right <= box.left || box.bottom <= box.top) return;
    PaintBackground(paint.Dc(), box);
}

void LauncherWindow::PaintBackground(HDC dc, const RECT& paintBox) {
    const Rect box{paintBox.left, paintBox.top, paintBox.right, paintBox.bottom};
    if (box.Empty()) return;
    if (!backPictureDecoded_ && !settings_.backPicture.empty()) {
        backPicture_ = DibPicture::Decode(settings_.backPicture);
        backPictureDecoded_ = true;
    }
    RECT client{};
    ::GetClientRect(Hwnd(), &client);
    const Size clientSize{client.right, client.bottom};

    UniqueRegion toFill(::CreateRectRgn(box.left, box.top, box.right, box.bottom));
    if (backPicture_) {
        const Size pictureSize = backPicture_->Dimensions();
        const PictureLayout layout = LayOutPicture(settings_.pictureMode, pictureSize, clientSize, box);
        for (const auto& draw : layout.draws) {
            if (draw.dest.Width() == pictureSize.width && draw.dest.Height() == pictureSize.height) {
                backPicture_->Draw(dc, draw.dest);
            } else {
                backPicture_->DrawScaled(dc, draw.dest);
            }
        }
        if (layout.coversClient) return;
        const Rect& drawn = layout.drawnArea;
        UniqueRegion drawnRegion(::CreateRectRgn(drawn.left, drawn.top, drawn.right, drawn.bottom));
        ::CombineRgn(toFill.Get(), toFill.Get(), drawnRegion.Get(), RGN_DIFF);
    }
    if (settings_.backColor == kNoColour) {
        ::FillRgn(dc, toFill.Get(), ::GetSysColorBrush(COLOR_BTNFACE));
    } else {
        UniqueBrush brush(::CreateSolidBrush(settings_.backColor & 0x00FFFFFF));
        ::FillRgn(dc, toFill.Get(), brush.Get());
    }
}

std::optional<std::uint32_t> LauncherWindow::UnitIdOf(HWND hwnd) const {
    if (hwnd == Hwnd()) return units_[0].id;
    for (const auto& control : controls_) {
        if (control->Hwnd() == hwnd) return control->Unit().id;
    }
    return std::nullopt;
}

bool LauncherWindow::OnPreTranslate(const MSG& msg) {
    // The unit the message is meant for raises its common event before it sees the message;
    // a handler that answers false ends the message here.
    if (options_.events != nullptr) {
        const auto unitId = UnitIdOf(msg.hwnd);
        const auto raised = CommonEventFor(msg);
        if (unitId && raised) {
            const auto answer = options_.events->Raise(*unitId, static_cast<std::int32_t>(raised->event), raised->args);
            if (answer.has_value() && !*answer) return true;
        }
    }
    if (msg.message != WM_KEYDOWN) return false;
    switch (msg.wParam) {
    case VK_ESCAPE:
        // No control of the launcher claims Esc for itself.
        if (!settings_.escCloses) return false;
        ::SendMessageW(Hwnd(), WM_CLOSE, 0, 0);
        return true;
    case VK_TAB: {
        HWND next = ::GetNextDlgTabItem(Hwnd(), ::GetFocus(), (::GetKeyState(VK_SHIFT) & 0x8000) != 0);
        if (next != nullptr && next != ::GetFocus()) {
            ::SetFocus(next);
            return true;
        }
        return false;
    }
    default:
        // Enter moves the focus only with EnterMovesFocus, and there is no default button or help
        // file to offer it or F1 to; the launcher leaves all of these off.
        return false;
    }
}

void LauncherWindow::OnSetFocus() {
    // Pass the focus to the first focusable tab-stop control by TabOrder; the later unit wins a
    // tie. The launcher's controls take no focus, so its window keeps it.
    const Control* best = nullptr;
    for (const auto& control : controls_) {
        const UnitRecord& unit = control->Unit();
        if (!unit.TabStop() || !control->CanTakeFocus() || !::IsWindowVisible(control->Hwnd()) ||
            !::IsWindowEnabled(control->Hwnd())) {
            continue;
        }
        if (best == nullptr || unit.tabOrder <= best->Unit().tabOrder) best = control.get();
    }
    if (best != nullptr) ::SetFocus(best->Hwnd());
}

}  // namespace launcher
