#pragma once

#include <QWidget>
#include <array>

class CData;
class QLabel;
class QLineEdit;
struct CRecipeFigures;

// The computed fields of the recipe dialog and of the quantity calculation: read-only, right
// aligned, two decimals, each with the currency beside it and wide enough for a price of
// "99.999,99". The row of the second currency is
// hidden while that currency has no name. Only the actual gross selling price can be made
// editable (the recipe dialog does so for a dish).
class CRecipeFiguresBox : public QWidget
{
    Q_OBJECT

public:
    enum class EFigure {
        PriceBuy,
        PriceSellCalculatedNoTax,
        PriceSellCalculatedTax,
        PriceSell,
        PriceSellNoTax,
        PriceSellCurrency2,
        ContributionMargin,
        CostRatio
    };
    static constexpr int kNbFigures = 8;

    CRecipeFiguresBox(const CData* data, QWidget* parent = nullptr);

    void Show(const CRecipeFigures& figures);
    // A recipe that is no dish: the purchase price alone, every other field empty.
    void ShowPurchasePriceOnly(double priceBuy);
    void SetPriceSellEditable(bool editable);

    QLineEdit* Field(EFigure figure) const { return m_fields[static_cast<size_t>(figure)]; }
    // The first and the last field from the top: Tab goes through the fields top down.
    QLineEdit* FirstField() const;
    QLineEdit* LastField() const;
    QLineEdit* PriceSellField() const { return Field(EFigure::PriceSell); }

private:
    void AddRow(int row, EFigure figure, const QString& label, const QString& unit);
    void SetFigure(EFigure figure, double value);

    std::array<QLineEdit*, kNbFigures> m_fields{};
};
