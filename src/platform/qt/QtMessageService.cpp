#include "QtMessageService.h"

#include "platform/qt/TextConversion.h"
#include "resources/StringIds.h"
#include "resources/StringTables.h"

#include <QApplication>
#include <QCursor>

void CQtMessageService::ShowMessage(const std::string& text, const std::string& caption)
{
    Run(text, caption, QMessageBox::NoIcon, QMessageBox::Ok, QMessageBox::Ok);
}

void CQtMessageService::ShowWarning(const std::string& text, const std::string& caption)
{
    Beep();
    Run(text, caption, QMessageBox::Warning, QMessageBox::Ok, QMessageBox::Ok);
}

void CQtMessageService::Beep()
{
    QApplication::beep();
}

CMessageService::EAnswer CQtMessageService::AskYesNo(const std::string& text, const std::string& caption)
{
    const auto button =
        Run(text, caption, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    return button == QMessageBox::Yes ? Yes : No;
}

CMessageService::EAnswer CQtMessageService::AskYesNoCancel(const std::string& text,
                                                           const std::string& caption)
{
    return ToAnswer(Run(text, caption, QMessageBox::Question,
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel));
}

void CQtMessageService::BeginWaitCursor()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void CQtMessageService::EndWaitCursor()
{
    QApplication::restoreOverrideCursor();
}

// The first button is the default, as in the platform's message boxes; `escape` is what
// closing the box answers.
QMessageBox::StandardButton CQtMessageService::Run(const std::string& text, const std::string& caption,
                                                   QMessageBox::Icon icon,
                                                   QMessageBox::StandardButtons buttons,
                                                   QMessageBox::StandardButton escape)
{
    const std::string title = caption.empty() ? CStringTables::Load(StringId::kCaption) : caption;
    QMessageBox box(icon, ToQString(title), ToQString(text), buttons, QApplication::activeWindow());
    box.setObjectName(QStringLiteral("messageBox"));
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(buttons.testFlag(QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Ok);
    box.setEscapeButton(escape);
    // At start-up there is no window yet but the splash: the box must not end up behind it.
    if (box.parentWidget() == nullptr)
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
    // Under the wait cursor the box still gets the arrow.
    const bool waiting = QApplication::overrideCursor() != nullptr;
    if (waiting)
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    const int result = box.exec();
    if (waiting)
        QApplication::restoreOverrideCursor();
    return static_cast<QMessageBox::StandardButton>(result);
}

CMessageService::EAnswer CQtMessageService::ToAnswer(QMessageBox::StandardButton button)
{
    switch (button) {
    case QMessageBox::Yes:
        return Yes;
    case QMessageBox::No:
        return No;
    default:
        return Cancel;
    }
}
