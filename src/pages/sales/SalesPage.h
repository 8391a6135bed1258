#pragma once

#include "pages/common/SubDialog.h"

#include <QDate>
#include <cstdint>
#include <vector>

class CDateTime;
class CListCtrlEx;
class CRecipe;
class CSalesFigures;
class QCalendarWidget;
class QLineEdit;
class QPushButton;

// "Abverkäufe": the dishes of the group chosen in the section bar with what they sold today
// (the business day, until five in the morning), this month and this year. The user picks a
// dish, a day in the calendar and the portions sold, and books them with "Hinzufügen" or Enter;
// "Verkaufsliste" or a double click shows the booked sales of the dish, or of all dishes
// without a selection. The first sale makes the evaluation tab appear, the last one going takes
// it away.
class CSalesPage : public CSubDialog
{
    Q_OBJECT

public:
    CSalesPage(CPageHost& host, const COptions& options, QWidget* parent = nullptr);
    ~CSalesPage() override;

    void InitFromData(CData& data) override;
    void RefreshPage() override;
    void Print() override;

    // Refills the list from the catalogue at the clock's time (the benchmark times this).
    void FillList();
    // Books the portions of the selected dish on the calendar's day; nothing without a dish.
    void RecordSale();
    void OpenSalesList();

    CListCtrlEx* List() const { return m_list; }
    QCalendarWidget* Calendar() const { return m_calendar; }
    QLineEdit* PortionsField() const { return m_portions; }
    QPushButton* AddButton() const { return m_add; }
    QPushButton* SalesListButton() const { return m_salesList; }

    static constexpr const char* kLayoutSection = "PageSale";
    static constexpr const char* kLayoutEntry = "RecipeList";

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildBody();
    QWidget* BuildCalendar();
    QWidget* BuildBooking();
    void AddColumns();
    void AddRow(CRecipe& recipe, const CSalesFigures& figures);
    void Refill();
    CRecipe* SelectedRecipe() const;
    // The Id of the selected dish, or -1.
    int SelectedId() const;
    void SelectRecipe(int id);
    CDateTime SelectedDate() const;
    void UpdateEnabling();
    void ShowToday();
    void UpdateHint();

    CListCtrlEx* m_list = nullptr;
    QCalendarWidget* m_calendar = nullptr;
    QLineEdit* m_portions = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_salesList = nullptr;
    // The day marked as today in the calendar.
    QDate m_markedToday;
    // The dish of each row, by the row's user data, with its Id: the Id finds the dish again
    // after a refill without touching a record that may have gone meanwhile.
    struct CRowRecipe
    {
        CRecipe* Recipe;
        int Id;
    };
    std::vector<CRowRecipe> m_rows;
};
