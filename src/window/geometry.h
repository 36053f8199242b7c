#pragma once
#include <algorithm>

namespace launcher {

struct Size {
    int width = 0;
    int height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

// Half-open rectangle: [left, right) x [top, bottom), as Win32 RECTs are used.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Empty() const { return right <= left || bottom <= top; }
    bool Intersects(const Rect& o) const {
        return !Empty() && !o.Empty() && left < o.right && o.left < right && top < o.bottom && o.top < bottom;
    }
    friend bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace launcher
