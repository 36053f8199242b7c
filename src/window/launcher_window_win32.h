#pragma once
// The launcher window built from a window record of the template: frame, position, icons,
// background picture, controls, keyboard handling and closing.

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "controls/control_win32.h"
#include "window/dib_picture_win32.h"
#include "window/event_sink.h"
#include "window/window_base_win32.h"
#include "window/window_icons_win32.h"
#include "window/window_settings.h"
#include "window/window_template.h"

namespace launcher {

struct WindowLoadOptions {
    bool modal = false;
    HWND parent = nullptr;
    HWND hiddenOwner = nullptr;             // owner for windows kept out of the taskbar
    std::function<void()> onDestroyed;      // told after the window is gone
    EventSink* events = nullptr;            // where the units raise their events
};

class LauncherWindow : public WindowBase<LauncherWindow> {
public:
    // Builds the window and its controls and shows them; nothing when any step fails
    // (whatever was built is destroyed again).
    static std::unique_ptr<LauncherWindow> Build(const WindowRecord& record, WindowLoadOptions options);

    ~LauncherWindow();

    bool IsOpen() const { return Hwnd() != nullptr; }
    std::uint32_t Id() const { return id_; }
    // Restores a minimized window, or else activates it.
    void BringToFront() const;
    // Destroys the window with its controls, without any close query.
    void Destroy();

private:
    friend class WindowBase<LauncherWindow>;

    LauncherWindow(std::uint32_t id, std::vector<UnitRecord> units, WindowSettings settings,
                   WindowLoadOptions options)
        : id_(id), units_(std::move(units)), settings_(std::move(settings)), options_(std::move(options)) {}

    bool CreateFrame();
    bool BuildControls();
    void StackControls() const;
    void ShowAll() const;

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnWindowGone();
    void OnPaint();
    void PaintBackground(HDC dc, const RECT& box);
    bool OnPreTranslate(const MSG& msg);
    void OnSetFocus();
    std::optional<std::uint32_t> UnitIdOf(HWND hwnd) const;

    std::uint32_t id_;
    std::vector<UnitRecord> units_;  // unit 0 is the window itself
    WindowSettings settings_;
    WindowLoadOptions options_;

    WindowIcons icons_;
    std::optional<DibPicture> backPicture_;
    bool backPictureDecoded_ = false;  // decoding is tried once, also when it fails
    std::vector<std::unique_ptr<Control>> controls_;  // in template order (unit 1 first)
};

}  // namespace launcher
