#include "FieldLeaveWatcher.h"

#include <QFocusEvent>
#include <QWidget>

void CFieldLeaveWatcher::Watch(QWidget* field, std::function<void()> onLeave)
{
    m_handlers[field] = std::move(onLeave);
    field->installEventFilter(this);
    connect(field, &QObject::destroyed, this, [this, field] { m_handlers.erase(field); });
}

bool CFieldLeaveWatcher::RunFor(QWidget* focus)
{
    for (QWidget* widget = focus; widget; widget = widget->parentWidget()) {
        if (m_handlers.count(widget)) {
            Run(widget);
            return true;
        }
    }
    return false;
}

bool CFieldLeaveWatcher::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            Run(static_cast<QWidget*>(watched));
    }
    return QObject::eventFilter(watched, event);
}

void CFieldLeaveWatcher::Run(QWidget* field)
{
    const auto handler = m_handlers.find(field);
    if (m_running || handler == m_handlers.end())
        return;
    m_running = true;
    handler->second();
    m_running = false;
}
