#include "IngredientDialogParts.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QPushButton>

void IngredientDialogParts::OfferNamesWithoutCompleting(QComboBox* box)
{
    QCompleter* completer = box->completer();
    if (!completer)
        return;
    completer->setCompletionMode(QCompleter::PopupCompletion);
    // Case-sensitive: on leaving, the box then takes an entry only for exactly its text.
    completer->setCaseSensitivity(Qt::CaseSensitive);
}

void IngredientDialogParts::BoxOkAndCancel(QBoxLayout* row, QPushButton* ok, QPushButton* cancel)
{
    row->removeWidget(ok);
    row->removeWidget(cancel);
    auto* box = new QDialogButtonBox(ok->parentWidget());
    box->setObjectName(QStringLiteral("dialogButtons"));
    box->addButton(ok, QDialogButtonBox::AcceptRole);
    box->addButton(cancel, QDialogButtonBox::RejectRole);
    row->addWidget(box);
}

void IngredientDialogParts::ChainTabOrder(std::initializer_list<QWidget*> widgets)
{
    QWidget* previous = nullptr;
    for (QWidget* widget : widgets) {
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}
