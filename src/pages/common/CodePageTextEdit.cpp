#include "CodePageTextEdit.h"

#include "platform/qt/TextConversion.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>

CCodePageTextEdit::CCodePageTextEdit(QWidget* parent) : QPlainTextEdit(parent)
{
    setTabChangesFocus(true);
}

bool CCodePageTextEdit::Fits(const QString& text)
{
    bool ok = false;
    FromQString(text, &ok);
    return ok;
}

void CCodePageTextEdit::keyPressEvent(QKeyEvent* event)
{
    if (!event->text().isEmpty() && !Fits(event->text())) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void CCodePageTextEdit::inputMethodEvent(QInputMethodEvent* event)
{
    if (!Fits(event->commitString())) {
        event->accept();
        return;
    }
    QPlainTextEdit::inputMethodEvent(event);
}

bool CCodePageTextEdit::canInsertFromMimeData(const QMimeData* source) const
{
    return source->hasText() && Fits(source->text());
}

void CCodePageTextEdit::insertFromMimeData(const QMimeData* source)
{
    if (canInsertFromMimeData(source))
        insertPlainText(source->text());
}
