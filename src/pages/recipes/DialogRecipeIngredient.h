#pragma once

#include "pages/common/EditDialog.h"
#include "pages/common/GroupMenuTable.h"
#include "pages/recipes/IngredientChoices.h"

#include <vector>

class CListCtrlEx;
class CRecipe;
class CRecipeIngredient;
class QLabel;
class QLineEdit;
class QPushButton;

// "Zutat auswählen": picks an ingredient or an ingredient recipe for a line of a recipe and
// takes its amount and weight loss, showing what must be bought and what it costs. The dialog
// changes nothing; the recipe dialog reads the choice after OK.
class CDialogRecipeIngredient : public CEditDialog
{
    Q_OBJECT

public:
    // `edited` is the recipe the line belongs to (null while it is not in the catalogue);
    // `line` the line being changed, null for a new one.
    CDialogRecipeIngredient(CPageHost& host, const CRecipe* edited, const CRecipeIngredient* line,
                            QWidget* parent = nullptr);

    void accept() override;

    CIngredient* ChosenIngredient() const { return m_chosen.Ingredient; }
    CRecipe* ChosenRecipe() const { return m_chosen.Recipe; }
    double Amount() const { return m_amount; }
    double WeightLoss() const { return m_weightLoss; }

    CListCtrlEx* List() const { return m_list; }
    QLineEdit* AmountField() const { return m_amountField; }
    QLineEdit* WeightLossField() const { return m_weightLossField; }
    QLineEdit* PurchasePrice() const { return m_purchasePrice; }
    QLineEdit* PurchaseAmount() const { return m_purchaseAmount; }
    QLineEdit* NameDisplay() const { return m_name; }
    QPushButton* GroupButton() const { return m_groupButton; }
    const std::string& Filter() const { return m_filter; }

    static constexpr const char* kLayoutSection = "DialogRecipeIngredient";
    static constexpr const char* kLayoutEntry = "IngredientList";

private:
    void BuildForm();
    QLayout* BuildFields();
    void AddColumns();
    void TakeLine(const CRecipeIngredient& line);
    void FillList();
    void OnSelectionChanged();
    void ShowChosen();
    void ShowFigures();
    void LeaveNumber(QLineEdit* field, double& value);
    void ChooseGroup();

    const CRecipe* m_edited;
    CIngredientChoices::CChoice m_chosen;
    std::vector<CIngredientChoices::CChoice> m_choices;
    double m_amount = 0.0;
    double m_weightLoss = 0.0;
    std::string m_filter;
    CGroupMenuTable m_groups;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_amountField = nullptr;
    QLineEdit* m_weightLossField = nullptr;
    QLineEdit* m_purchasePrice = nullptr;
    QLineEdit* m_purchaseAmount = nullptr;
    QLabel* m_amountUnit = nullptr;
    QLabel* m_purchaseUnit = nullptr;
    QPushButton* m_groupButton = nullptr;
    CListCtrlEx* m_list = nullptr;
    bool m_filling = false;
};
