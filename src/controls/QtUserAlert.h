#pragma once

#include "UserAlert.h"

// The application's beep and a QMessageBox with the warning icon, titled with the program's name.
class CQtUserAlert : public CUserAlert
{
public:
    void Beep() override;
    void ShowWarning(QWidget* parent, const QString& text) override;
};

// The alert the controls use unless they are given another.
CUserAlert& DefaultUserAlert();
