#pragma once

#include <QDialog>
#include <vector>

class CListCtrlEx;
class CPageHost;
class CRecipe;
class CSale;
class QPushButton;

// "Verkaufsliste : ": the booked sales of one dish (date, price, portions) or of all dishes
// (with their names), in booking order until the user sorts. "Löschen" deletes the selected
// sale after asking. Each of the two lists keeps its own layout.
class CDialogSales : public QDialog
{
    Q_OBJECT

public:
    // `recipe` null: all sales.
    CDialogSales(CPageHost& host, const CRecipe* recipe, QWidget* parent = nullptr);

    // Closing in any way keeps the list's layout.
    void done(int result) override;
    void DeleteSale();

    CListCtrlEx* List() const { return m_list; }
    QPushButton* OkButton() const { return m_ok; }
    QPushButton* DeleteButton() const { return m_delete; }

    static constexpr const char* kLayoutSection = "DialogSales";
    static constexpr const char* kLayoutOneDish = "SalesListRecipe";
    static constexpr const char* kLayoutAll = "SalesListAll";

private:
    void BuildForm();
    void AddColumns();
    void FillList();
    CSale* SelectedSale() const;
    const char* LayoutEntry() const { return m_recipe ? kLayoutOneDish : kLayoutAll; }

    CPageHost& m_host;
    const CRecipe* m_recipe;
    CListCtrlEx* m_list = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_delete = nullptr;
    // The sale of each row, by the row's user data.
    std::vector<CSale*> m_sales;
};
