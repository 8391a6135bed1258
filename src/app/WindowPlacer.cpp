#include "WindowPlacer.h"

#include "app/ScreenFit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {

// Where a minimised or maximised window stands is left to the window manager.
constexpr CWindowPlacement::CPoint kNoPosition{-1, -1};

unsigned ShowCommandOf(const QWidget& window)
{
    if (window.isMinimized())
        return CWindowPlacement::kShowMinimized;
    if (window.isMaximized())
        return CWindowPlacement::kShowMaximized;
    return CWindowPlacement::kShowNormal;
}

} // namespace

CWindowPlacement CWindowPlacer::Capture(const QWidget& window)
{
    CWindowPlacement placement;
    placement.ShowCmd = ShowCommandOf(window);
    placement.MinPosition = kNoPosition;
    placement.MaxPosition = kNoPosition;
    const QRect normal = NormalRect(window);
    placement.NormalPosition = {normal.left(), normal.top(), normal.left() + normal.width(),
                                normal.top() + normal.height()};
    return placement;
}

// The client rectangle of the normal state, moved to where its frame starts.
QRect CWindowPlacer::NormalRect(const QWidget& window)
{
    QRect normal = window.normalGeometry();
    if (!normal.isValid())
        normal = window.geometry();
    const QPoint frameOffset = window.geometry().topLeft() - window.pos();
    return normal.translated(-frameOffset);
}

void CWindowPlacer::Restore(QWidget& window, const std::optional<CWindowPlacement>& placement,
                            const QSize& defaultSize, const std::vector<QRect>& screens)
{
    QRect wanted = DefaultRect(defaultSize, screens);
    if (placement) {
        const CWindowPlacement::CRect& normal = placement->NormalPosition;
        wanted = QRect(normal.Left, normal.Top, normal.Right - normal.Left, normal.Bottom - normal.Top);
    }
    const QRect fitted = CScreenFit::Fit(wanted, screens);
    window.move(fitted.topLeft());
    window.resize(fitted.size());
    const bool maximised = placement && placement->ShowCmd == CWindowPlacement::kShowMaximized;
    window.setWindowState(maximised ? Qt::WindowMaximized : Qt::WindowNoState);
}

QRect CWindowPlacer::DefaultRect(const QSize& size, const std::vector<QRect>& screens)
{
    QRect rect(QPoint(0, 0), size);
    if (!screens.empty())
        rect.moveCenter(screens.front().center());
    return rect;
}

std::vector<QRect> CWindowPlacer::AvailableScreens()
{
    std::vector<QRect> screens;
    if (QScreen* primary = QGuiApplication::primaryScreen())
        screens.push_back(primary->availableGeometry());
    for (QScreen* screen : QGuiApplication::screens()) {
        if (screen != QGuiApplication::primaryScreen())
            screens.push_back(screen->availableGeometry());
    }
    return screens;
}
