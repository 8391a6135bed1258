#pragma once

#include "pages/common/GroupMenuTable.h"
#include "pages/common/SubDialog.h"

#include <cstdint>
#include <string>
#include <vector>

class CIngredient;
class CListCtrlEx;
class QPushButton;

// "Einkauf und Zutaten": every ingredient with its used supplier, group, prices and purchase
// amount. The user adds, changes and deletes ingredients and narrows the list to one goods
// group with the "Warengruppen" menu. The first ingredient makes the recipes tab appear, the
// last one going takes it away.
class CIngredientPage : public CSubDialog
{
    Q_OBJECT

public:
    CIngredientPage(CPageHost& host, const COptions& options, QWidget* parent = nullptr);
    ~CIngredientPage() override;

    void InitFromData(CData& data) override;
    void RefreshPage() override;
    // "Drucken ...": the list under the title "Zutatenliste".
    void Print() override;

    CListCtrlEx* List() const { return m_list; }
    const std::string& Filter() const { return m_filter; }
    void SetFilter(const std::string& filter);
    // Refills the list from the catalogue (the benchmark times this).
    void FillList();

    void AddIngredient();
    void ChangeIngredient();
    void DeleteIngredient();
    void ChooseGroup();

    static constexpr const char* kLayoutSection = "PageIngredient";
    static constexpr const char* kLayoutEntry = "IngredientList";

private:
    void BuildBody();
    QWidget* BuildButtons();
    void AddColumns();
    void AddRow(const CIngredient& ingredient, std::uint32_t index);
    CIngredient* SelectedIngredient() const;
    void AfterCountChange(bool wasEmpty);
    void UpdateHint();

    CListCtrlEx* m_list = nullptr;
    QPushButton* m_groupButton = nullptr;
    std::string m_filter;
    CGroupMenuTable m_groups;
    // The ingredient of each row, by the row's user data.
    std::vector<CIngredient*> m_rows;
};
