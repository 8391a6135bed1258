#pragma once

#include <QPlainTextEdit>

// A text field of several lines that takes only characters the catalogue's code page
// (Windows-1252) can hold: typing or pasting anything else is refused, as the single-line
// fields refuse it, so that what the user sees is what gets saved.
class CCodePageTextEdit : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit CCodePageTextEdit(QWidget* parent = nullptr);

    static bool Fits(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
};
