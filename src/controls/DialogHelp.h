#pragma once

#include <functional>

class QAbstractButton;
class QDialog;

// Help for the program's dialogs. Window managers on Linux show no "?" in the title bar, so a
// dialog gets a "?" button of its own and the F1 key; both open the dialog's help address.
class CDialogHelp
{
public:
    // Installs F1 on the dialog and returns the "?" button (object name "helpButton") for the
    // dialog to place; it never acts as the dialog's default button.
    static QAbstractButton* Attach(QDialog& dialog, std::function<void()> openHelp);
};
