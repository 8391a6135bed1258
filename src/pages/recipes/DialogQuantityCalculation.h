#pragma once

#include <QDialog>

class CListCtrlEx;
class CPageHost;
class CRecipe;
class CRecipeFiguresBox;
class QLabel;

// "Mengenkalkulation": a recipe scaled to a number of portions. Its lines show what to buy and
// what it costs for that many portions, its fields the recipe's figures for them (the cost
// ratio as it is). "Kalkulation" and "Rezeptblatt" close it with their own result, and the
// recipe dialog prints that sheet for these portions.
class CDialogQuantityCalculation : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kPrintCalculation = 1142;
    static constexpr int kPrintRecipeSheet = 1143;

    // `recipe` must yield portions (NbPortion not 0); the recipe dialog makes sure of it.
    CDialogQuantityCalculation(CPageHost& host, const CRecipe& recipe, double portions,
                               QWidget* parent = nullptr);

    QLabel* Title() const { return m_title; }
    CRecipeFiguresBox* Figures() const { return m_figures; }
    CListCtrlEx* LineList() const { return m_list; }

private:
    void BuildForm(CPageHost& host);
    QWidget* BuildButtons(CPageHost& host);

    const CRecipe& m_recipe;
    double m_portions;
    QLabel* m_title = nullptr;
    CRecipeFiguresBox* m_figures = nullptr;
    CListCtrlEx* m_list = nullptr;
};
