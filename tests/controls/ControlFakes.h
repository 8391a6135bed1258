#pragma once

#include "controls/AddressOpener.h"
#include "controls/NumberEditRequests.h"
#include "controls/UserAlert.h"

#include <QApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QStringList>
#include <QWidget>

// An opener that answers with a fixed result and remembers what it was asked to open.
class CScriptedOpener : public CAddressOpener
{
public:
    explicit CScriptedOpener(int result) : m_result(result) {}
    int Open(const QString& address) override
    {
        Opened << address;
        return m_result;
    }
    QStringList Opened;

private:
    int m_result;
};

// Records beeps and warnings instead of showing them.
class CRecordingAlert : public CUserAlert
{
public:
    void Beep() override { ++Beeps; }
    void ShowWarning(QWidget*, const QString& text) override { Warnings << text; }
    int Beeps = 0;
    QStringList Warnings;
};

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
