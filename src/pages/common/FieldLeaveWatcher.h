#pragma once

#include <QObject>
#include <functional>
#include <map>

class QWidget;

// Runs a handler when the user leaves a field: the focus moves to another control of the same
// window. A message box or menu taking the focus for a moment is no leaving. The dialogs' hidden
// "Update" button runs the handler of the field that has the focus, as if the focus had left it
// and come back.
class CFieldLeaveWatcher : public QObject
{
    Q_OBJECT

public:
    explicit CFieldLeaveWatcher(QObject* parent = nullptr) : QObject(parent) {}

    void Watch(QWidget* field, std::function<void()> onLeave);
    // Runs the handler of `focus` or of the watched field that contains it; false for none.
    bool RunFor(QWidget* focus);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Run(QWidget* field);

    std::map<QWidget*, std::function<void()>> m_handlers;
    // Set while a handler runs, so that a message it shows does not start it again.
    bool m_running = false;
};
