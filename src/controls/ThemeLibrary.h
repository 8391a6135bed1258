#pragma once

#include <QRect>
#include <QString>
#include <cstdint>
#include <functional>

class QPainter;
class QStyle;
class QWidget;

// Access to the platform's visual style for controls that let it draw their backgrounds.
// The active QStyle of the application is the visual-style library: it is looked up at every
// call, so a style change at run time is followed at once. Styles count as active ("themed")
// when a widget application runs, it has a style, and that style is not Qt's plain "Windows"
// style (the classic flat-grey look, chosen with -style windows or QT_STYLE_OVERRIDE). Without
// such a style every call answers as if the library were missing: no theme, the failure code,
// not themed; callers then draw by themselves.
class CThemeLibrary
{
public:
    using Result = int32_t;
    static constexpr Result kOk = 0;
    static constexpr Result kFailure = static_cast<Result>(0x80004005);

    // The push-button part of the "BUTTON" class and its states.
    static constexpr int kPushButtonPart = 1;
    enum EPushButtonState { kNormal = 1, kHot, kPressed, kDisabled, kDefaulted };

    // An open theme: the window it was opened for and the class it draws.
    struct CTheme;
    // Where the library finds the style; ActiveStyle unless a test supplies another.
    using StyleSource = std::function<QStyle*()>;

    explicit CThemeLibrary(StyleSource styleSource = ActiveStyle);

    // A theme for the window and the first known class of the semicolon-separated list (only
    // "BUTTON" is known); null without styles or without a known class. The caller owns it
    // until CloseThemeData.
    CTheme* OpenThemeData(QWidget* window, const QString& classList) const;
    // Frees the theme; the failure code for a null theme.
    Result CloseThemeData(CTheme* theme) const;
    // Draws the background of a part in a state into `rect`, clipped to `clipRect` when given.
    // The failure code without styles, theme, or for a part or state the class lacks.
    Result DrawThemeBackground(CTheme* theme, QPainter& painter, int partId, int stateId, const QRect& rect,
                               const QRect* clipRect = nullptr) const;
    bool IsAppThemed() const;

    // The style of the running widget application; null in a console or plain GUI application.
    static QStyle* ActiveStyle();

private:
    QStyle* UsableStyle() const;

    StyleSource m_styleSource;
};

// True for Qt's plain style, which stands for the platform's classic, unthemed look.
bool IsPlainStyle(const QStyle& style);
