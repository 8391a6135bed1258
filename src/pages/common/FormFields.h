#pragma once

#include <QString>
#include <string>

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// The fields of the pages' and dialogs' forms: text fields that take only what the catalogue
// can hold, labels that are their fields' buddies, and the texts read back as catalogue bytes.
class CFormFields
{
public:
    static QLineEdit* TextField(const char* objectName, QWidget* parent);
    // A push button with its access key in `text` and a name the tests find it by. Without
    // `autoDefault` Enter in the window never presses it, even while it has the focus.
    static QPushButton* Button(const QString& text, const char* objectName, QWidget* parent,
                               bool autoDefault = true);
    // An editable combo box with free text that never adds what is typed to its entries.
    static QComboBox* ComboField(const char* objectName, QWidget* parent);
    // A label whose access key ("&Name :") moves the focus to `buddy`.
    static QLabel* Label(const QString& text, QWidget* buddy, QWidget* parent);
    // Label and field side by side in one row of a grid, from column `column` on; the field
    // spans `span` columns.
    static void AddRow(QGridLayout* grid, int row, int column, const QString& label, QWidget* field,
                       int span = 1);

    static std::string Text(const QLineEdit* field);
    static std::string Text(const QComboBox* field);
    static void SetText(QLineEdit* field, const std::string& text);
    static void SetText(QComboBox* field, const std::string& text);
};
