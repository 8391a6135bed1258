#include "ThemeLibrary.h"

#include <QApplication>
#include <QPainter>
#include <QPointer>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>

struct CThemeLibrary::CTheme
{
    QPointer<QWidget> Window;
};

namespace {

bool HasButtonClass(const QString& classList)
{
    const QStringList classes = classList.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString& name : classes) {
        if (name.trimmed().compare(QLatin1String("BUTTON"), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

// The style option flags of a push-button state; false for an unknown state.
bool PushButtonFlags(int stateId, QStyle::State& flags)
{
    switch (stateId) {
    case CThemeLibrary::kNormal:
    case CThemeLibrary::kDefaulted:
        flags = QStyle::State_Enabled | QStyle::State_Raised;
        return true;
    case CThemeLibrary::kHot:
        flags = QStyle::State_Enabled | QStyle::State_Raised | QStyle::State_MouseOver;
        return true;
    case CThemeLibrary::kPressed:
        flags = QStyle::State_Enabled | QStyle::State_Sunken;
        return true;
    case CThemeLibrary::kDisabled:
        flags = QStyle::State_Raised;
        return true;
    default:
        return false;
    }
}

QStyleOptionButton PushButtonOption(QWidget* window, QStyle::State flags, int stateId, const QRect& rect)
{
    QStyleOptionButton option;
    if (window)
        option.initFrom(window);
    option.state = (option.state & QStyle::State_Active) | flags;
    option.rect = rect;
    if (stateId == CThemeLibrary::kDefaulted)
        option.features |= QStyleOptionButton::DefaultButton;
    return option;
}

} // namespace

CThemeLibrary::CThemeLibrary(StyleSource styleSource) : m_styleSource(std::move(styleSource)) {}

CThemeLibrary::CTheme* CThemeLibrary::OpenThemeData(QWidget* window, const QString& classList) const
{
    if (!UsableStyle() || !HasButtonClass(classList))
        return nullptr;
    return new CTheme{window};
}

CThemeLibrary::Result CThemeLibrary::CloseThemeData(CTheme* theme) const
{
    if (!theme)
        return kFailure;
    delete theme;
    return kOk;
}

CThemeLibrary::Result CThemeLibrary::DrawThemeBackground(CTheme* theme, QPainter& painter, int partId,
                                                         int stateId, const QRect& rect,
                                                         const QRect* clipRect) const
{
    QStyle* style = UsableStyle();
    QStyle::State flags;
    if (!style || !theme || partId != kPushButtonPart || !PushButtonFlags(stateId, flags))
        return kFailure;
    const QStyleOptionButton option = PushButtonOption(theme->Window, flags, stateId, rect);
    painter.save();
    if (clipRect)
        painter.setClipRect(*clipRect, Qt::IntersectClip);
    style->drawPrimitive(QStyle::PE_PanelButtonCommand, &option, &painter, theme->Window);
    painter.restore();
    return kOk;
}

bool CThemeLibrary::IsAppThemed() const
{
    return UsableStyle() != nullptr;
}

QStyle* CThemeLibrary::ActiveStyle()
{
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return nullptr;
    return QApplication::style();
}

QStyle* CThemeLibrary::UsableStyle() const
{
    QStyle* style = m_styleSource ? m_styleSource() : nullptr;
    return style && !IsPlainStyle(*style) ? style : nullptr;
}

bool IsPlainStyle(const QStyle& style)
{
    return style.name().compare(QLatin1String("windows"), Qt::CaseInsensitive) == 0;
}
