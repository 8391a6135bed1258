#pragma once

#include <QDialogButtonBox>
#include <QString>
#include <initializer_list>
#include <string>
#include <vector>

class QAbstractButton;
class QComboBox;
class QDialog;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeView;
class QWidget;

// The fields of the pages' and dialogs' forms: text fields that take only what the catalogue
// can hold, labels that are their fields' buddies, and the texts read back as catalogue bytes.
namespace FormFields {

QLineEdit* TextField(const char* objectName, QWidget* parent);
// A push button with its access key in `text` and a name the tests find it by. Without
// `autoDefault` Enter in the window never presses it, even while it has the focus.
QPushButton* Button(const QString& text, const char* objectName, QWidget* parent, bool autoDefault = true);
// An editable combo box with free text that never adds what is typed to its entries.
QComboBox* ComboField(const char* objectName, QWidget* parent);
// A label whose access key ("&Name :") moves the focus to `buddy`.
QLabel* Label(const QString& text, QWidget* buddy, QWidget* parent);
// Label and field side by side in one row of a grid, from column `column` on; the field
// spans `span` columns.
void AddRow(QGridLayout* grid, int row, int column, const QString& label, QWidget* field, int span = 1);

// The width `field` needs to show `widest` whole in its own font, frame and margins included.
int WidthToShow(const QLineEdit* field, const QString& widest);
// Keeps `field` at least that wide, so that no layout squeezes it to the last characters of
// what it shows; the window's minimum size follows through its layout.
void FitWidth(QLineEdit* field, const QString& widest);

// Keeps `list` at least as wide as its shown columns beside a vertical scroll bar (up to a
// bound, beyond which it scrolls), so that the window never opens with a column cut.
void FitToColumns(QTreeView* list);

// Tab visits `widgets` in this order, the layout's reading order; widgets that take no focus
// are passed over. A button box stands for its buttons in the order they show.
void SetTabOrder(const std::vector<QWidget*>& widgets);

struct CBoxButton
{
    QAbstractButton* Button;
    QDialogButtonBox::ButtonRole Role;
};
// The dialog's OK/Cancel row as a button box, the buttons in the platform's order, with the
// dialog's "?" button (object name "helpButton") when it has one. The buttons keep their own
// connections. A default button the dialog keeps outside the box (the
// hidden "Update" button, so that Enter recomputes instead of closing) stays the default.
QDialogButtonBox* ButtonBox(QDialog* dialog, std::initializer_list<CBoxButton> buttons);

std::string Text(const QLineEdit* field);
std::string Text(const QComboBox* field);
void SetText(QLineEdit* field, const std::string& text);
void SetText(QComboBox* field, const std::string& text);

} // namespace FormFields
