#pragma once

#include "pages/common/ListPage.h"

#include <optional>

class CCostMemo;
class CRecipe;
struct CGroupSelection;

// "Rezepturen": the recipes of the group chosen in the section bar (or of all groups, all food
// or all drink groups) with their prices, margin and cost ratio. The user adds recipes to a
// group, changes and deletes them. The first recipe makes the sales tab appear, the last one
// going takes it away.
class CRecipePage : public CListPage
{
    Q_OBJECT

public:
    CRecipePage(CPageHost& host, const COptions& options, QWidget* parent = nullptr);

    void AddRecipe() { AddRecord(); }
    void ChangeRecipe() { ChangeRecord(); }
    void DeleteRecipe() { DeleteRecord(); }

    // The group whose own section is selected; nothing for "Alle", "Alle Speisen", "Alle
    // Getränke" or no selection.
    static std::optional<int> SelectedGroup(const CGroupSelection& selection, const CData& data);

    static constexpr const char* kLayoutSection = "PageRecipe";
    static constexpr const char* kLayoutEntry = "RecipeList";

protected:
    void AddRows(CData& data) override;
    int CountRecords(const CData& data) const override;
    void AddRecord() override;
    void ChangeRecord() override;
    void DeleteRecord() override;

private:
    void AddRow(const CData& data, const CRecipe& recipe, CCostMemo& memo);
    CRecipe* SelectedRecipe() const;
};
