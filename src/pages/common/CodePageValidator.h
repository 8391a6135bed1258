#pragma once

#include <QValidator>

// Lets into a text field only characters that the catalogue's code page (Windows-1252) can
// hold, so that what the user sees is what gets saved.
class CCodePageValidator : public QValidator
{
    Q_OBJECT

public:
    explicit CCodePageValidator(QObject* parent = nullptr) : QValidator(parent) {}

    State validate(QString& input, int& position) const override;
};
