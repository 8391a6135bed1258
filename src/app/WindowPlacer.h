#pragma once

#include "settings/WindowPlacement.h"

#include <QRect>
#include <QSize>
#include <optional>
#include <vector>

class QWidget;

// Takes a window's placement for `WindowPos` and puts a window where a remembered placement
// says, fitted onto the screens there are (CScreenFit). The normal rectangle's top-left corner
// is the frame's position and its size the client area's, so a placement comes back exactly
// through QWidget::move and resize.
class CWindowPlacer
{
public:
    static CWindowPlacement Capture(const QWidget& window);
    // Without a placement the window gets `defaultSize`, centred on the first screen. A
    // maximised placement leaves the window to be shown maximised; minimised ones have become
    // normal when they were read.
    static void Restore(QWidget& window, const std::optional<CWindowPlacement>& placement,
                        const QSize& defaultSize, const std::vector<QRect>& screens);
    // The available areas of the screens there are now, the primary one first.
    static std::vector<QRect> AvailableScreens();

private:
    static QRect NormalRect(const QWidget& window);
    static QRect DefaultRect(const QSize& size, const std::vector<QRect>& screens);
};
