#pragma once

#include <QRect>
#include <vector>

// Brings a remembered window rectangle onto the screens there are now. The rectangle's
// top-left corner is the window frame's, so a top edge on the screen keeps the title bar
// reachable. A window that lies on a screen keeps its place; one saved on a screen that is
// gone moves onto the nearest available screen (the one it overlaps most, else the closest),
// far enough that its title bar and a 100 x 100 corner are visible. The size never exceeds
// the screen's available area.
class CScreenFit
{
public:
    static constexpr int kMinVisible = 100;

    // `screens` are the available areas (without task bars); with none, the rectangle stays.
    static QRect Fit(const QRect& window, const std::vector<QRect>& screens);

private:
    static const QRect& NearestScreen(const QRect& window, const std::vector<QRect>& screens);
    static long long Overlap(const QRect& a, const QRect& b);
    static long long DistanceSquared(const QRect& a, const QRect& b);
    static int ClampEdge(int edge, int length, int screenStart, int screenLength, int leftOut);
};
