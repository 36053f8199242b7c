#include "controls/trans_label_win32.h"

#include <cstring>

#include "controls/child_window_win32.h"
#include "window/gbk_text_win32.h"

namespace launcher {
namespace {

constexpr wchar_t kClassName[] = L"VaskoranTransLabel";

static_assert(sizeof(LOGFONTA) == kLogFontSize, "a stored label font is one LOGFONTA record");

// The stored font is a LOGFONTA whose face name is GBK; it becomes a LOGFONTW.
HFONT CreateLabelFont(Bytes stored) {
    LOGFONTA narrow{};
    std::memcpy(&narrow, stored.data(), sizeof narrow);
    LOGFONTW wide{};
    std::memcpy(&wide, &narrow, offsetof(LOGFONTA, lfFaceName));
    const std::size_t faceLength = strnlen(narrow.lfFaceName, LF_FACESIZE);
    const std::wstring face = WideFromGbk({narrow.lfFaceName, faceLength});
    face.copy(wide.lfFaceName, LF_FACESIZE - 1);
    return ::CreateFontIndirectW(&wide);
}

UINT DrawTextFormat(const TransLabelSettings& s) {
    UINT format = DT_NOCLIP | DT_NOPREFIX;
    if (s.horizontalAlign == 1) format |= DT_CENTER;
    else if (s.horizontalAlign == 2) format |= DT_RIGHT;
    if (s.wordWrap) return format | DT_WORDBREAK;
    format |= DT_SINGLELINE;
    if (s.verticalAlign == 1) format |= DT_VCENTER;
    else if (s.verticalAlign == 2) format |= DT_BOTTOM;
    return format;
}

}  // namespace

TransLabel::TransLabel(const UnitRecord& unit, const TransLabelSettings& settings)
    : Control(unit), settings_(settings), caption_(WideFromGbk(settings.caption)) {
    if (settings.HasOwnFont()) ownFont_.Reset(CreateLabelFont(settings.labelFont));
}

std::unique_ptr<TransLabel> TransLabel::Create(const UnitRecord& unit, const TransLabelSettings& settings,
                                               HWND parent, int controlId) {
    if (!RegisterControlClass(kClassName, &WindowProc)) return nullptr;
    std::unique_ptr<TransLabel> label(new TransLabel(unit, settings));
    if (CreateChildWindow(kClassName, unit, parent, controlId, label.get()) == nullptr) return nullptr;
    return label;
}

TransLabel::~TransLabel() {
    if (Hwnd() != nullptr) ::DestroyWindow(Hwnd());
}

LRESULT TransLabel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1;  // never a background of its own
    case WM_PAINT:
        OnPaint();
        return 0;
    default:
        return DefaultHandling(message, wParam, lParam);
    }
}

void TransLabel::OnPaint() {
    PaintScope paint(Hwnd());
    HDC dc = paint.Dc();
    {
        // The parent draws what lies beneath, in its own coordinates, into this label's update area.
        HWND parent = ::GetParent(Hwnd());
        POINT origin{0, 0};
        ::MapWindowPoints(Hwnd(), parent, &origin, 1);
        SavedDcState saved(dc);
        ::SetViewportOrgEx(dc, -origin.x, -origin.y, nullptr);
        ::SendMessageW(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    }
    if (!caption_.empty()) DrawCaption(dc);
}

void TransLabel::DrawCaption(HDC dc) const {
    SavedDcState saved(dc);
    ::SetBkMode(dc, TRANSPARENT);
    ::SelectObject(dc, ownFont_ ? static_cast<HGDIOBJ>(ownFont_.Get()) : ::GetStockObject(DEFAULT_GUI_FONT));
    RECT client{};
    ::GetClientRect(Hwnd(), &client);
    const UINT format = DrawTextFormat(settings_);
    auto drawAt = [&](int dx, int dy, COLORREF colour) {
        RECT r = client;
        ::OffsetRect(&r, dx, dy);
        ::SetTextColor(dc, colour);
        ::DrawTextW(dc, caption_.c_str(), static_cast<int>(caption_.size()), &r, format);
    };
    const COLORREF textColour = settings_.textColor & 0x00FFFFFF;
    switch (settings_.textEffect) {
    case 1:  // a white copy below right, drawn first
        drawAt(1, 1, RGB(255, 255, 255));
        drawAt(0, 0, textColour);
        break;
    case 2:  // raised: a white copy in place, the text below right
        drawAt(0, 0, RGB(255, 255, 255));
        drawAt(1, 1, textColour);
        break;
    case 3:  // a black shadow 2 pixels below right
        drawAt(2, 2, RGB(0, 0, 0));
        drawAt(0, 0, textColour);
        break;
    default:
        drawAt(0, 0, textColour);
        break;
    }
}

}  // namespace launcher
