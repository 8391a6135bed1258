#pragma once

#include "registerimport/CsvColumns.h"

#include <QDialog>
#include <string>
#include <vector>

class CCsvColumnMemory;
class CCsvJournal;
class CListCtrlEx;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

// "Spalten des Verkaufsjournals": the user assigns the columns of a sales journal (date or
// date and time, time, item text, item number, quantity, gross unit price, goods group, and
// whether the first row holds headings) and sees its first rows as they will be read, with the
// rows that cannot be read explained. OK is enabled once date, item and quantity are
// assigned. It opens with the assignment remembered for the same headings (or the one the
// headings suggest) and remembers the one confirmed with OK.
class CDialogCsvColumns final : public QDialog
{
    Q_OBJECT

public:
    static constexpr std::size_t kPreviewRows = 50;

    CDialogCsvColumns(const CCsvJournal& journal, CCsvColumnMemory& memory, QWidget* parent = nullptr);

    // The assignment as the dialog shows it now.
    const CCsvColumns& GetColumns() const { return m_columns; }
    void accept() override;

    CListCtrlEx* Preview() const { return m_preview; }
    QPushButton* OkButton() const { return m_ok; }

private:
    // The choice boxes in the order of the form, with the field of the assignment each sets.
    struct CChoice
    {
        const char* Label;
        const char* ObjectName;
        int CCsvColumns::*Field;
        QComboBox* Box = nullptr;
    };

    void BuildForm();
    void FillChoices();
    void ShowColumns();
    void OnChanged();
    void FillPreview();

    const CCsvJournal& m_journal;
    CCsvColumnMemory& m_memory;
    std::vector<std::string> m_headings;
    CCsvColumns m_columns;
    std::vector<CChoice> m_choices;
    QCheckBox* m_heading = nullptr;
    CListCtrlEx* m_preview = nullptr;
    QLabel* m_state = nullptr;
    QPushButton* m_ok = nullptr;
    bool m_updating = false;
};
