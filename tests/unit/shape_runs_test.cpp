// A button shape cut by a transparent colour, as the runs a window region is made of.

#include "controls/shape_runs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace launcher {
namespace {

// Rows of '.' (cut) and '#' (kept).
std::vector<Rect> RunsOf(const std::vector<std::string>& rows) {
    const Size size{static_cast<int>(rows.empty() ? 0 : rows[0].size()), static_cast<int>(rows.size())};
    return KeptRuns(size, [&](int x, int y) { return rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] == '.'; });
}

TEST(ShapeRuns, OneRectanglePerRunOfKeptPixelsInEachRow) {
    EXPECT_EQ(RunsOf({"####"}), (std::vector<Rect>{{0, 0, 4, 1}}));
    EXPECT_EQ(RunsOf({"#..#", ".##."}), (std::vector<Rect>{{0, 0, 1, 1}, {3, 0, 4, 1}, {1, 1, 3, 2}}));
    EXPECT_EQ(RunsOf({"....", "...."}), std::vector<Rect>{}) << "everything cut leaves no shape";
    EXPECT_EQ(RunsOf({}), std::vector<Rect>{});
}

}  // namespace
}  // namespace launcher
