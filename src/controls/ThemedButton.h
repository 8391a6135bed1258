#pragma once

#include "FlatButton.h"

class CThemeLibrary;

// A CFlatButton whose background and border the platform's style draws while the owner's
// theme library reports styles as active; otherwise it fills them in its own colours. The
// caption keeps the button's own colours either way.
class CThemedButton : public CFlatButton
{
    Q_OBJECT

public:
    explicit CThemedButton(CThemeLibrary* library = nullptr, QWidget* parent = nullptr);

    // The owner's library; not owned, must outlive the button's painting. Null for none.
    void SetThemeLibrary(CThemeLibrary* library);
    CThemeLibrary* GetThemeLibrary() const { return m_library; }

protected:
    bool DrawStyledBackground(QPainter& painter) override;

private:
    int ThemeState() const;

    CThemeLibrary* m_library = nullptr;
};
