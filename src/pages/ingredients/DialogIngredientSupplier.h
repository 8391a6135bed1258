#pragma once

#include "pages/common/EditDialog.h"

class CIngredient;
class CIngredientSupplier;
class QComboBox;
class QLineEdit;

// "Lieferant": one supplier entry of an ingredient, its name (any name of the catalogue's
// suppliers or a new one), the amount bought in the ingredient's unit and its price. The dialog
// changes nothing; its values are read after OK.
class CDialogIngredientSupplier : public CEditDialog
{
    Q_OBJECT

public:
    // `supplier` is the entry being changed, null for a new one.
    CDialogIngredientSupplier(CPageHost& host, const CIngredient& ingredient,
                              const CIngredientSupplier* supplier, QWidget* parent = nullptr);

    std::string Name() const;
    double Amount() const { return m_amount; }
    double Price() const { return m_price; }

    QComboBox* NameField() const { return m_name; }
    QLineEdit* AmountField() const { return m_amountField; }
    QLineEdit* PriceField() const { return m_priceField; }

    void accept() override;

private:
    void BuildForm(const CIngredient& ingredient);
    void FillNames();
    // Reads a field the user changed into `value`; false when its text is no number (the user
    // has been told, the field has the focus again).
    bool ReadChanged(QLineEdit* field, double& value);
    void LeavePrice();
    [[nodiscard]] bool ReadNumbers();

    QComboBox* m_name = nullptr;
    QLineEdit* m_amountField = nullptr;
    QLineEdit* m_priceField = nullptr;
    double m_amount = 0.0;
    double m_price = 0.0;
};
