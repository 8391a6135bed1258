#include "CodePageValidator.h"

#include "platform/qt/TextConversion.h"

QValidator::State CCodePageValidator::validate(QString& input, int& position) const
{
    (void)position;
    bool ok = false;
    FromQString(input, &ok);
    return ok ? Acceptable : Invalid;
}
