#pragma once
// The transparent label: never paints a background of its own, so what lies beneath shows
// through, and draws only its caption. It takes the pointer over its whole rectangle.

#include <windows.h>

#include <memory>

#include "controls/control_win32.h"
#include "controls/trans_label_settings.h"
#include "window/win32_handles.h"
#include "window/window_base_win32.h"

namespace launcher {

class TransLabel final : public Control, public WindowBase<TransLabel> {
public:
    static std::unique_ptr<TransLabel> Create(const UnitRecord& unit, const TransLabelSettings& settings,
                                              HWND parent, int controlId);
    ~TransLabel() override;

    HWND Hwnd() const override { return WindowBase<TransLabel>::Hwnd(); }

private:
    friend class WindowBase<TransLabel>;

    TransLabel(const UnitRecord& unit, const TransLabelSettings& settings);

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnPaint();
    void DrawCaption(HDC dc) const;

    TransLabelSettings settings_;
    std::wstring caption_;
    UniqueHandle<HFONT, GdiObjectTraits> ownFont_;  // from LabelFont; otherwise the default GUI font
};

}  // namespace launcher
