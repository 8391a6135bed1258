#pragma once

#include "controls/NumberEditRequests.h"

#include <QApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QStringList>
#include <QWidget>

// Records what a number edit asks its dialog, one entry per request.
class CRecordingRequests : public CNumberEditRequests
{
public:
    void SelectMatching(const QString& searchText) override
    {
        Requests << QStringLiteral("match ") + searchText;
    }
    void SelectPrevious() override { Requests << QStringLiteral("previous"); }
    void SelectNext() override { Requests << QStringLiteral("next"); }
    QStringList Requests;
};

// Mouse moves and enter/leave delivered straight to a widget, shown or not.
inline void SendMouseMove(QWidget& widget, const QPoint& position)
{
    QMouseEvent move(QEvent::MouseMove, position, widget.mapToGlobal(position), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&widget, &move);
}

inline void SendEnter(QWidget& widget, const QPoint& position)
{
    QEnterEvent enter(position, position, widget.mapToGlobal(position));
    QApplication::sendEvent(&widget, &enter);
}

inline void SendLeave(QWidget& widget)
{
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&widget, &leave);
}
