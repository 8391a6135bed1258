#pragma once

#include "ModalWindows.h"
#include "RuleTestSupport.h"
#include "catalogue/Data.h"
#include "controls/ListCtrlEx.h"
#include "resources/StringTables.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <functional>
#include <string>

// A menu text as it shows: access-key markers dropped, "&&" as "&".
inline QString ShownMenuText(QString text)
{
    static const QRegularExpression kMarker(QStringLiteral("&(.)"));
    return text.replace(kMarker, QStringLiteral("\\1"));
}

// Chooses the entry `text` (as written, or as it shows) of the next popup menu, or closes it
// when `text` is empty; hands the menu's entries as written to `seen` first.
inline void WhenMenuAppears(const QString& text, QStringList* seen = nullptr)
{
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, text, seen] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr)
            return;
        timer->stop();
        timer->deleteLater();
        QAction* chosen = nullptr;
        for (QAction* action : menu->actions()) {
            if (seen)
                *seen << (action->isSeparator() ? QStringLiteral("-") : action->text());
            if (!action->isSeparator() && (action->text() == text || ShownMenuText(action->text()) == text))
                chosen = action;
        }
        if (chosen) {
            menu->setActiveAction(chosen);
            QTest::keyClick(menu, Qt::Key_Return);
        } else {
            menu->close();
        }
    });
    timer->start(0);
}

// Types as a user would; characters beyond ASCII come as key events carrying their text (as a
// keyboard layout with umlauts sends them), which Qt Test's key clicks cannot do.
inline void TypeText(QWidget* widget, const QString& text)
{
    for (const QChar character : text) {
        if (character.unicode() < 0x80) {
            QTest::keyClick(widget, character.toLatin1());
            continue;
        }
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(character));
        QApplication::sendEvent(widget, &press);
        QApplication::sendEvent(widget, &release);
    }
}

// Replaces a field's text as a user would: select all, type.
inline void TypeInto(QLineEdit* field, const QString& text)
{
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    TypeText(field, text);
}

// Enter in a field: the dialog's hidden "Update" button recomputes without closing.
inline void PressEnter(QWidget* field)
{
    QTest::keyClick(field, Qt::Key_Return);
}

// The shown texts of one column, top to bottom.
inline QStringList Column(const CListCtrlEx& list, int column)
{
    QStringList texts;
    for (int row = 0; row < list.model()->rowCount(); ++row)
        texts << list.model()->index(row, column).data().toString();
    return texts;
}

// Double-clicks a row (by its shown position) with the keys held.
inline void DoubleClickRow(CListCtrlEx& list, int row, Qt::KeyboardModifiers keys = Qt::NoModifier)
{
    const QRect rect = list.visualRect(list.model()->index(row, 0));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, keys, rect.center());
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, keys, rect.center());
}

inline void ClickRow(CListCtrlEx& list, int row)
{
    const QRect rect = list.visualRect(list.model()->index(row, 0));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
}
