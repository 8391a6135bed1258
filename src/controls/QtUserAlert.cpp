#include "QtUserAlert.h"

#include <QApplication>
#include <QMessageBox>

void CQtUserAlert::Beep()
{
    QApplication::beep();
}

void CQtUserAlert::ShowWarning(QWidget* parent, const QString& text)
{
    QMessageBox::warning(parent, QGuiApplication::applicationDisplayName(), text);
}

CUserAlert& DefaultUserAlert()
{
    static CQtUserAlert alert;
    return alert;
}
