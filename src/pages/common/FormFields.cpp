#include "FormFields.h"

#include "pages/common/CodePageValidator.h"
#include "platform/qt/TextConversion.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

QLineEdit* CFormFields::TextField(const char* objectName, QWidget* parent)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(objectName));
    field->setValidator(new CCodePageValidator(field));
    return field;
}

QPushButton* CFormFields::Button(const QString& text, const char* objectName, QWidget* parent,
                                 bool autoDefault)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(objectName));
    if (!autoDefault)
        button->setAutoDefault(false);
    return button;
}

QComboBox* CFormFields::ComboField(const char* objectName, QWidget* parent)
{
    auto* field = new QComboBox(parent);
    field->setObjectName(QString::fromLatin1(objectName));
    field->setEditable(true);
    field->setInsertPolicy(QComboBox::NoInsert);
    field->setValidator(new CCodePageValidator(field));
    return field;
}

QLabel* CFormFields::Label(const QString& text, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

void CFormFields::AddRow(QGridLayout* grid, int row, int column, const QString& label, QWidget* field,
                         int span)
{
    grid->addWidget(Label(label, field, grid->parentWidget()), row, column);
    grid->addWidget(field, row, column + 1, 1, span);
}

std::string CFormFields::Text(const QLineEdit* field)
{
    return FromQStringLossy(field->text());
}

std::string CFormFields::Text(const QComboBox* field)
{
    return FromQStringLossy(field->currentText());
}

void CFormFields::SetText(QLineEdit* field, const std::string& text)
{
    field->setText(ToQString(text));
    field->setCursorPosition(0);
}

void CFormFields::SetText(QComboBox* field, const std::string& text)
{
    field->setEditText(ToQString(text));
}
