#pragma once

#include <QString>

class QWidget;

// How a control gets the user's attention: the warning beep and a warning message box.
// CQtUserAlert is the real one; tests record the calls instead.
class CUserAlert
{
public:
    virtual ~CUserAlert() = default;

    virtual void Beep() = 0;
    // Shows the text with the warning icon and an OK button and waits until it is closed.
    virtual void ShowWarning(QWidget* parent, const QString& text) = 0;
};
