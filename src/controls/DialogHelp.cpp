#include "DialogHelp.h"

#include <QDialog>
#include <QPushButton>
#include <QShortcut>

QAbstractButton* CDialogHelp::Attach(QDialog& dialog, std::function<void()> openHelp)
{
    auto* shortcut = new QShortcut(QKeySequence(Qt::Key_F1), &dialog);
    shortcut->setObjectName(QStringLiteral("helpShortcut"));
    QObject::connect(shortcut, &QShortcut::activated, &dialog, openHelp);
    auto* button = new QPushButton(QStringLiteral("?"), &dialog);
    button->setObjectName(QStringLiteral("helpButton"));
    button->setAutoDefault(false);
    button->setToolTip(QStringLiteral("Hilfe (F1)"));
    button->setFixedWidth(button->sizeHint().height() * 3 / 2);
    QObject::connect(button, &QPushButton::clicked, &dialog, openHelp);
    return button;
}
