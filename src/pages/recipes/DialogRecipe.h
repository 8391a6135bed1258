#pragma once

#include "pages/common/EditDialog.h"
#include "pages/recipes/RecipeEditor.h"
#include "resources/GermanDialogTexts.h"

#include <cstdint>

class CCodePageTextEdit;
class CListCtrlEx;
class CPictureCtrl;
class CRecipeFiguresBox;
class QCheckBox;
class QLineEdit;
class QPushButton;
struct CRecipePrintRequest;

// "Rezeptur definieren": name, portions, kind, remark and picture of a recipe, its lines, and
// what it costs and should sell for. The dialog edits a working recipe only, lines included;
// the page adds it or copies it back on OK. The figures follow every change of the lines and,
// on leaving a field or on Enter, of the portions and the price. From here the recipe is
// scaled to a number of portions and printed.
class CDialogRecipe : public CEditDialog
{
    Q_OBJECT

public:
    static constexpr const char* kPictureFilter = DialogText::Recipe::kPictureFilter;

    // `original` is the catalogue's recipe that `working` copies (null for a new recipe).
    CDialogRecipe(CPageHost& host, CRecipe& working, const CRecipe* original, QWidget* parent = nullptr);
    // Changes a stored recipe as every page does: the dialog edits a copy, OK stores it. True
    // when the user pressed OK.
    static bool ChangeStored(CPageHost& host, CRecipe& recipe, QWidget* parent);

    void accept() override;

    QLineEdit* NameField() const { return m_name; }
    QLineEdit* PortionsField() const { return m_portions; }
    QCheckBox* DishBox() const { return m_dish; }
    QCheckBox* IngredientRecipeBox() const { return m_asIngredient; }
    CCodePageTextEdit* RemarkField() const { return m_remark; }
    CRecipeFiguresBox* Figures() const { return m_figures; }
    CListCtrlEx* LineList() const { return m_list; }
    CPictureCtrl* Picture() const { return m_picture; }
    QLineEdit* QuantityField() const { return m_quantity; }

    void AddLine();
    void ChangeLine();
    void DeleteLine();
    void MoveLineUp();
    void MoveLineDown();
    void OpenPicture();
    void DeletePicture();
    void CalculateQuantity();
    // Reads the fields into the working recipe and recomputes the figures (Enter does this).
    void Recompute();

private:
    void BuildForm();
    void SetTabOrder(QWidget* buttons);
    QLayout* BuildRecipeFields();
    QWidget* BuildLineButtons();
    QWidget* BuildPictureBox();
    QWidget* BuildQuantityBox();
    QWidget* BuildPrintBox();
    void WatchFields();
    void ShowRecipe();
    void FillLines(int selectLineId = -1);
    void ShowFigures();
    void ReadFieldsQuietly();
    bool StoreFields();
    void LeavePortions();
    void LeavePrice();
    void ClickDish();
    void MoveLine(bool up);
    CRecipeIngredient* SelectedLine() const;
    void Print(const CRecipePrintRequest& request);

    CRecipe& m_working;
    CRecipeEditor m_editor;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_portions = nullptr;
    QCheckBox* m_dish = nullptr;
    QCheckBox* m_asIngredient = nullptr;
    CCodePageTextEdit* m_remark = nullptr;
    CPictureCtrl* m_picture = nullptr;
    CListCtrlEx* m_list = nullptr;
    CRecipeFiguresBox* m_figures = nullptr;
    QLineEdit* m_quantity = nullptr;
};
