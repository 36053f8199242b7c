#pragma once
// A shape cut out of a rectangle by a per-pixel test, as one rectangle per run of kept pixels
// in each row: what a window region is made of.

#include <vector>

#include "window/geometry.h"

namespace launcher {

template <typename IsCut>
std::vector<Rect> KeptRuns(Size size, IsCut isCut) {
    std::vector<Rect> runs;
    for (int y = 0; y < size.height; ++y) {
        int x = 0;
        while (x < size.width) {
            while (x < size.width && isCut(x, y)) ++x;
            const int start = x;
            while (x < size.width && !isCut(x, y)) ++x;
            if (x > start) runs.push_back({start, y, x, y + 1});
        }
    }
    return runs;
}

}  // namespace launcher
