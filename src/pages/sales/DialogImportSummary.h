#pragma once

#include <QDialog>

class CListCtrlEx;
class CPageHost;
class QLabel;
class QPushButton;
struct CImportPlan;

// "Kassendaten importieren – Zusammenfassung": what an import will book before it is booked —
// the source and period, receipts and lines, revenue gross and net, the cost of goods (the
// dishes' cost now), lines whose VAT rate differs from the dish group's; then per row the
// dishes, the items left open or marked "kein Gericht", the lines left out by reason and the
// sources booked before. "Buchen" confirms; it is grey when there is nothing to book.
class CDialogImportSummary final : public QDialog
{
    Q_OBJECT

public:
    CDialogImportSummary(CPageHost& host, const CImportPlan& plan, QWidget* parent = nullptr);
    void done(int result) override;

    CListCtrlEx* List() const { return m_list; }
    QLabel* Figures() const { return m_figures; }
    QPushButton* BookButton() const { return m_book; }

    static constexpr const char* kLayoutSection = "DialogImportSummary";
    static constexpr const char* kLayoutEntry = "SummaryList";

private:
    void BuildForm(const CImportPlan& plan);
    void AddColumns();
    void FillList(const CImportPlan& plan);

    CPageHost& m_host;
    CListCtrlEx* m_list = nullptr;
    QLabel* m_figures = nullptr;
    QPushButton* m_book = nullptr;
};
