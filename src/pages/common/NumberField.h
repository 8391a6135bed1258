#pragma once

#include <QString>

class CMessageService;
class QLineEdit;

// Number fields of pages and dialogs: shown and read through the one number text conversion.
namespace NumberField {

// The widest figure a field must show whole: a price of "99.999,99".
QString WidestFigure();
// Keeps `field` wide enough for the widest figure.
void FitWidth(QLineEdit* field);
// Shows `value` with `precision` decimals (more for small magnitudes), in a field kept wide
// enough for the widest figure.
void Show(QLineEdit* field, double value, int precision);
// Reads the field into `value`. A text that is no number leaves `value` unchanged, shows
// "Geben Sie eine Zahl ein." and gives the field the focus back with its text selected.
bool Read(QLineEdit* field, CMessageService& messages, double& value);
// The same when a dialog closes: a field that has the focus back was refused on leaving it
// a moment ago, and the user is not told twice.
bool ReadOnClose(QLineEdit* field, CMessageService& messages, double& value);
// Reads without telling the user; false and `value` unchanged when the text is no number.
bool ReadQuietly(const QLineEdit* field, double& value);

} // namespace NumberField
