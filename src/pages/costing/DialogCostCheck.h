#pragma once

#include "costcheck/CostFinding.h"

#include <QDialog>
#include <optional>
#include <vector>

class CListCtrlEx;
class CPageHost;
class QLabel;
class QPushButton;

// "Kalkulationsprüfung": the findings of the costing check of the whole catalogue, errors
// first, in the program's list (sorting, hidden columns, Ctrl+C). A double click or Enter on a
// finding, or "Öffnen", opens its ingredient's or recipe's dialog; after OK there the catalogue
// is checked anew. "Drucken ..." prints the list as shown, "Als CSV speichern ..." writes it for
// a spreadsheet. The list's layout is kept as the user changes it.
class CDialogCostCheck : public QDialog
{
    Q_OBJECT

public:
    // Shows the dialog for the host's catalogue; true when a record was changed in it, so
    // that the pages show it anew. Does nothing without a catalogue.
    static bool Run(CPageHost& host, QWidget* parent);

    // The host's catalogue must hold while the dialog is open.
    explicit CDialogCostCheck(CPageHost& host, QWidget* parent = nullptr);

    // Checks the catalogue anew and refills the list; the record selected before stays
    // selected while it has findings, else the row at its place (the first row at the start).
    void CheckAgain();
    // Opens the dialog of the selected finding's record; after OK the list is checked anew.
    void OpenSelected();
    void Print();
    void ExportCsv();

    bool Changed() const { return m_changed; }
    const std::vector<CCostFinding>& Findings() const { return m_findings; }
    CListCtrlEx* List() const { return m_list; }
    QLabel* Summary() const { return m_summary; }
    QPushButton* OpenButton() const { return m_open; }
    QPushButton* PrintButton() const { return m_print; }
    QPushButton* CloseButton() const { return m_close; }

    static constexpr const char* kLayoutSection = "DialogCostCheck";
    static constexpr const char* kLayoutEntry = "CostCheckList";
    static constexpr const char* kHelpAnchor = "DialogCostCheck";

private:
    void BuildForm();
    void OpenWideEnough();
    QPushButton* AddButton(const char* text, const char* objectName);
    void FillList();
    void ShowSummary();
    void SelectAfterCheck(std::optional<CCostFinding> before, int position);
    const CCostFinding* SelectedFinding() const;
    bool OpenIngredient(int id);
    bool OpenRecipe(int id);

    CPageHost& m_host;
    std::vector<CCostFinding> m_findings;
    CListCtrlEx* m_list = nullptr;
    QLabel* m_summary = nullptr;
    QPushButton* m_open = nullptr;
    QPushButton* m_check = nullptr;
    QPushButton* m_print = nullptr;
    QPushButton* m_export = nullptr;
    QPushButton* m_close = nullptr;
    bool m_changed = false;
};
