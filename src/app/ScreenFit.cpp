#include "ScreenFit.h"

#include <algorithm>

QRect CScreenFit::Fit(const QRect& window, const std::vector<QRect>& screens)
{
    if (screens.empty())
        return window;
    const QRect& screen = NearestScreen(window, screens);
    const int width = std::min(window.width(), screen.width());
    const int height = std::min(window.height(), screen.height());
    // Horizontally the window may hang over either edge by all but kMinVisible pixels;
    // vertically only over the bottom edge, so its title bar stays on the screen.
    const int left = ClampEdge(window.left(), width, screen.left(), screen.width(), width);
    const int top = ClampEdge(window.top(), height, screen.top(), screen.height(), 0);
    return {left, top, width, height};
}

// The position of an edge such that at least min(kMinVisible, length) pixels lie on the
// screen; the window may stick out before the screen's start by at most `leftOut` pixels
// less the visible part.
int CScreenFit::ClampEdge(int edge, int length, int screenStart, int screenLength, int leftOut)
{
    const int visible = std::min(kMinVisible, length);
    const int lowest = screenStart - std::max(leftOut - visible, 0);
    const int highest = screenStart + screenLength - visible;
    return std::clamp(edge, lowest, std::max(lowest, highest));
}

const QRect& CScreenFit::NearestScreen(const QRect& window, const std::vector<QRect>& screens)
{
    const auto overlapping =
        std::max_element(screens.begin(), screens.end(), [&](const QRect& a, const QRect& b) {
            return Overlap(window, a) < Overlap(window, b);
        });
    if (Overlap(window, *overlapping) > 0)
        return *overlapping;
    return *std::min_element(screens.begin(), screens.end(), [&](const QRect& a, const QRect& b) {
        return DistanceSquared(window, a) < DistanceSquared(window, b);
    });
}

long long CScreenFit::Overlap(const QRect& a, const QRect& b)
{
    const QRect common = a.intersected(b);
    return common.isEmpty() ? 0 : static_cast<long long>(common.width()) * common.height();
}

// The squared gap between two rectangles; 0 when they touch or overlap.
long long CScreenFit::DistanceSquared(const QRect& a, const QRect& b)
{
    const long long dx = std::max({0, b.left() - (a.left() + a.width()), a.left() - (b.left() + b.width())});
    const long long dy = std::max({0, b.top() - (a.top() + a.height()), a.top() - (b.top() + b.height())});
    return dx * dx + dy * dy;
}
