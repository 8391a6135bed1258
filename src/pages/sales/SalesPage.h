#pragma once

#include "pages/common/ListPage.h"

#include <QDate>

class CDateTime;
class CRecipe;
class CSalesFigures;
class QCalendarWidget;
class QLineEdit;
class QPushButton;

// "Abverkäufe": the dishes of the group chosen in the section bar with what they sold today
// (the business day, until five in the morning), this month and this year. The user picks a
// dish, a day in the calendar and the portions sold, and books them with "Hinzufügen" or Enter
// in the portions field; "Verkaufsliste", a double click or Enter on a dish shows the booked sales of the
// dish, or of all dishes without a selection. The first sale makes the evaluation tab appear, the last one
// going takes it away.
class CSalesPage : public CListPage
{
    Q_OBJECT

public:
    CSalesPage(CPageHost& host, const COptions& options, QWidget* parent = nullptr);

    void InitFromData(CData& data) override;

    // Books the portions of the selected dish on the calendar's day; nothing without a dish.
    void RecordSale();
    void OpenSalesList();

    QCalendarWidget* Calendar() const { return m_calendar; }
    QLineEdit* PortionsField() const { return m_portions; }
    QPushButton* AddButton() const { return m_add; }
    QPushButton* SalesListButton() const { return m_salesList; }

    static constexpr const char* kLayoutSection = "PageSale";
    static constexpr const char* kLayoutEntry = "RecipeList";

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The dishes of the selected section with their figures at the clock's time.
    void AddRows(CData& data) override;
    int CountRecords(const CData& data) const override;
    // Double click or Enter on a dish: its sales list.
    void OpenRow() override { OpenSalesList(); }
    void AfterFill() override;

private:
    void BuildBody();
    QWidget* BuildCalendar();
    QWidget* BuildBooking();
    void AddRow(const CRecipe& recipe, const CSalesFigures& figures);
    CRecipe* SelectedRecipe() const;
    CDateTime SelectedDate() const;
    void UpdateEnabling();
    void ShowToday();

    QCalendarWidget* m_calendar = nullptr;
    QLineEdit* m_portions = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_salesList = nullptr;
    // The day marked as today in the calendar.
    QDate m_markedToday;
};
