#pragma once

#include "priceimpact/PriceImpact.h"

#include <QDialog>
#include <vector>

class CIngredient;
class CListCtrlEx;
class CPageHost;
class QLabel;
class QPushButton;

// "Auswirkung der Preisänderung": what the ingredient dialog's changed purchase price would do
// to every recipe that uses the ingredient, directly or through sub-recipes, before OK stores
// it. It only reads: the catalogue stays as it is.
class CDialogPriceImpact final : public QDialog
{
    Q_OBJECT

public:
    // `original` is the catalogue's ingredient, `changed` the dialog's working copy of it.
    CDialogPriceImpact(CPageHost& host, const CIngredient& original, const CIngredient& changed,
                       QWidget* parent = nullptr);

    CListCtrlEx* List() const { return m_list; }
    QLabel* Summary() const { return m_summary; }
    const std::vector<CImpactRow>& Rows() const { return m_rows; }

    static constexpr const char* kHelpAnchor = "DialogPriceImpact";
    static constexpr const char* kLayoutSection = "DialogPriceImpact";
    static constexpr const char* kLayoutEntry = "ImpactList";

private:
    void Compute(const CIngredient& original, const CIngredient& changed);
    QWidget* BuildButtons();

    CPageHost& m_host;
    std::vector<CImpactRow> m_rows;
    QLabel* m_summary = nullptr;
    CListCtrlEx* m_list = nullptr;
    QWidget* m_buttons = nullptr;
};
