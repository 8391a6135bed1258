#pragma once

#include "pages/common/GroupMenuTable.h"
#include "pages/common/ListPage.h"

#include <string>

class CIngredient;
class QPushButton;

// "Einkauf und Zutaten": every ingredient with its used supplier, group, prices and purchase
// amount. The user adds, changes and deletes ingredients and narrows the list to one goods
// group with the "Warengruppen" menu. The first ingredient makes the recipes tab appear, the
// last one going takes it away.
class CIngredientPage : public CListPage
{
    Q_OBJECT

public:
    CIngredientPage(CPageHost& host, const COptions& options, QWidget* parent = nullptr);

    const std::string& Filter() const { return m_filter; }
    void SetFilter(const std::string& filter);

    void AddIngredient() { AddRecord(); }
    void ChangeIngredient() { ChangeRecord(); }
    void DeleteIngredient() { DeleteRecord(); }
    void ChooseGroup();

    static constexpr const char* kLayoutSection = "PageIngredient";
    static constexpr const char* kLayoutEntry = "IngredientList";

protected:
    void AddRows(CData& data) override;
    int CountRecords(const CData& data) const override;
    void AddRecord() override;
    void ChangeRecord() override;
    void DeleteRecord() override;

private:
    void AddRow(const CIngredient& ingredient);
    CIngredient* SelectedIngredient() const;

    QPushButton* m_groupButton = nullptr;
    std::string m_filter;
    CGroupMenuTable m_groups;
};
