#include "NumberField.h"

#include "catalogue/NumberText.h"
#include "datafile/ProgramMessages.h"
#include "pages/common/FormFields.h"
#include "platform/qt/TextConversion.h"
#include "resources/StringIds.h"

#include <QLineEdit>

namespace {

constexpr double kWidestFigure = 99999.99;
constexpr int kWidestFigurePrecision = 2;

} // namespace

QString NumberField::WidestFigure()
{
    return ToQString(NumberText::Format(kWidestFigure, kWidestFigurePrecision));
}

void NumberField::FitWidth(QLineEdit* field)
{
    FormFields::FitWidth(field, WidestFigure());
}

void NumberField::Show(QLineEdit* field, double value, int precision)
{
    FitWidth(field);
    field->setText(ToQString(NumberText::Format(value, precision)));
}

bool NumberField::Read(QLineEdit* field, CMessageService& messages, double& value)
{
    if (ReadQuietly(field, value))
        return true;
    CProgramMessages::Show(messages, StringId::kEnterNumber);
    field->setFocus(Qt::OtherFocusReason);
    field->selectAll();
    return false;
}

bool NumberField::ReadOnClose(QLineEdit* field, CMessageService& messages, double& value)
{
    if (field->hasFocus())
        return ReadQuietly(field, value);
    return Read(field, messages, value);
}

bool NumberField::ReadQuietly(const QLineEdit* field, double& value)
{
    return NumberText::Parse(FromQStringLossy(field->text()), value);
}
