#pragma once

#include "pages/common/SubDialog.h"

#include <cstdint>
#include <optional>
#include <vector>

class CCostMemo;
class CListCtrlEx;
class CRecipe;
struct CGroupSelection;

// "Rezepturen": the recipes of the group chosen in the section bar (or of all groups, all food
// or all drink groups) with their prices, margin and cost ratio. The user adds recipes to a
// group, changes and deletes them. The first recipe makes the sales tab appear, the last one
// going takes it away.
class CRecipePage : public CSubDialog
{
    Q_OBJECT

public:
    CRecipePage(CPageHost& host, const COptions& options, QWidget* parent = nullptr);
    ~CRecipePage() override;

    void InitFromData(CData& data) override;
    void RefreshPage() override;
    void Print() override;

    CListCtrlEx* List() const { return m_list; }
    // Refills the list from the catalogue (the benchmark times this).
    void FillList();

    void AddRecipe();
    void ChangeRecipe();
    void DeleteRecipe();

    // The group whose own section is selected; nothing for "Alle", "Alle Speisen", "Alle
    // Getränke" or no selection.
    static std::optional<int> SelectedGroup(const CGroupSelection& selection, const CData& data);

    static constexpr const char* kLayoutSection = "PageRecipe";
    static constexpr const char* kLayoutEntry = "RecipeList";

private:
    void BuildBody();
    QWidget* BuildButtons();
    void AddColumns();
    void AddRow(const CData& data, const CRecipe& recipe, std::uint32_t index, CCostMemo& memo);
    CRecipe* SelectedRecipe() const;
    void AfterCountChange(bool wasEmpty);
    void UpdateHint();

    CListCtrlEx* m_list = nullptr;
    // The recipe of each row, by the row's user data.
    std::vector<CRecipe*> m_rows;
};
