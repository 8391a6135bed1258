#pragma once

#include <QDialog>
#include <string>

class CFieldLeaveWatcher;
class CPageHost;
class QBoxLayout;
class QPushButton;

// The base of the editing dialogs: OK, "Abbrechen", the "?" button with F1, and the hidden
// default "Update" button. Enter in a field presses "Update", which runs the leave handler of the
// field that has the focus, so that the shown figures are recomputed without closing the
// dialog; Enter on a focused push button presses that button.
class CEditDialog : public QDialog
{
    Q_OBJECT

public:
    CEditDialog(CPageHost& host, const std::string& helpAnchor, QWidget* parent = nullptr);

    QPushButton* OkButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }
    QPushButton* UpdateButton() const { return m_update; }

protected:
    CPageHost& Host() const { return m_host; }
    CFieldLeaveWatcher& Watcher() const { return *m_watcher; }
    // A row with the "?" button on the left and OK and "Abbrechen" on the right.
    QBoxLayout* MakeButtonRow();

private:
    void OnUpdate();

    CPageHost& m_host;
    CFieldLeaveWatcher* m_watcher;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    QPushButton* m_update;
    QWidget* m_helpButton;
};
