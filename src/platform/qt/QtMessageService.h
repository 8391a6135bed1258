#pragma once

#include "platform/MessageService.h"

#include <QMessageBox>

// Message boxes and the wait cursor with Qt: a QMessageBox over the active window, captioned
// with the given caption (string 102 when it is empty), with the standard buttons that Qt's
// German translation labels "OK", "Ja", "Nein" and "Abbrechen". Closing a question box answers
// No (Yes/No) or Cancel (Yes/No/Cancel). The wait cursor is Qt's override cursor.
class CQtMessageService : public CMessageService
{
public:
    void ShowMessage(const std::string& text, const std::string& caption) override;
    void ShowWarning(const std::string& text, const std::string& caption) override;
    void Beep() override;
    EAnswer AskYesNo(const std::string& text, const std::string& caption) override;
    EAnswer AskYesNoCancel(const std::string& text, const std::string& caption) override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;

private:
    static QMessageBox::StandardButton Run(const std::string& text, const std::string& caption,
                                           QMessageBox::Icon icon, QMessageBox::StandardButtons buttons,
                                           QMessageBox::StandardButton escape);
    static EAnswer ToAnswer(QMessageBox::StandardButton button);
};
