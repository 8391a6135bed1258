#include "ThemedButton.h"

#include "ThemeLibrary.h"

CThemedButton::CThemedButton(CThemeLibrary* library, QWidget* parent)
    : CFlatButton(parent), m_library(library)
{}

void CThemedButton::SetThemeLibrary(CThemeLibrary* library)
{
    m_library = library;
    update();
}

bool CThemedButton::DrawStyledBackground(QPainter& painter)
{
    if (!m_library || !m_library->IsAppThemed())
        return false;
    CThemeLibrary::CTheme* theme = m_library->OpenThemeData(this, QStringLiteral("BUTTON"));
    if (!theme)
        return false;
    const CThemeLibrary::Result result =
        m_library->DrawThemeBackground(theme, painter, CThemeLibrary::kPushButtonPart, ThemeState(), rect());
    m_library->CloseThemeData(theme);
    return result == CThemeLibrary::kOk;
}

int CThemedButton::ThemeState() const
{
    if (!isEnabled())
        return CThemeLibrary::kDisabled;
    if (IsDrawnPressed())
        return CThemeLibrary::kPressed;
    return IsHover() ? CThemeLibrary::kHot : CThemeLibrary::kNormal;
}
