#pragma once

#include "pages/common/EditDialog.h"
#include "pages/ingredients/IngredientEditor.h"

#include <cstdint>

class CIngredient;
class CIngredientSupplier;
class CListCtrlEx;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// "Zutat definieren": name, goods group and unit of an ingredient, and its suppliers. The
// dialog edits a working copy only; the page stores it on OK. The amount, price and supplier
// fields show the used supplier and edit it as soon as the user leaves them; a double click on
// a supplier row makes it the used one (and, without Ctrl, opens it for a change).
class CDialogIngredient : public CEditDialog
{
    Q_OBJECT

public:
    CDialogIngredient(CPageHost& host, CIngredient& copy, QWidget* parent = nullptr);
    // Changes a stored ingredient as every page does: the dialog edits a copy (and knows the
    // stored one, for "Auswirkung ..."), OK stores it. True when the user pressed OK.
    static bool ChangeStored(CPageHost& host, CIngredient& ingredient, QWidget* parent);

    void accept() override;
    // The catalogue's ingredient the working copy was made from; null for a new one. With it,
    // "Auswirkung …" shows what a changed purchase price does to the recipes before OK.
    void SetOriginal(const CIngredient* original);

    QLineEdit* NameField() const { return m_name; }
    QComboBox* GroupField() const { return m_group; }
    QLineEdit* UnitField() const { return m_unit; }
    QLineEdit* AmountField() const { return m_amount; }
    QLineEdit* PriceField() const { return m_price; }
    QComboBox* SupplierField() const { return m_supplier; }
    CListCtrlEx* SupplierList() const { return m_list; }
    QLabel* AmountUnit() const { return m_amountUnit; }
    QPushButton* ImpactButton() const { return m_impact; }

    static constexpr const char* kLayoutSection = "DialogIngredient";
    static constexpr const char* kLayoutEntry = "IngredientSupplierList";

private:
    void BuildForm();
    QWidget* BuildPurchaseBox();
    QWidget* BuildSupplierButtons();
    void WatchFields();
    void AddColumns();
    void FillGroups();
    void FillSuppliers();
    void FillSupplierNames();
    void ShowUsed();
    void LeaveUnit();
    void LeaveAmount();
    void LeavePrice();
    void LeaveSupplier();
    void ChooseSupplier(int index);
    void OnSelectionChanged();
    void OnDoubleClick(std::uint32_t rowId, Qt::KeyboardModifiers modifiers);
    void AddSupplier();
    void ChangeSupplier();
    void ChangeSupplier(CIngredientSupplier* supplier);
    void DeleteSupplier();
    CIngredientSupplier* SelectedSupplier() const;
    bool ReadUsedFields();
    // "Auswirkung …" is enabled once the price or amount of the used supplier differs from the
    // catalogue's, typed or left.
    void UpdateImpactButton();
    void ShowImpact();

    CIngredient& m_copy;
    CIngredientEditor m_editor;
    QLineEdit* m_name = nullptr;
    QComboBox* m_group = nullptr;
    QLineEdit* m_unit = nullptr;
    QLineEdit* m_amount = nullptr;
    QLineEdit* m_price = nullptr;
    QComboBox* m_supplier = nullptr;
    QLabel* m_amountUnit = nullptr;
    CListCtrlEx* m_list = nullptr;
    QPushButton* m_impact = nullptr;
    const CIngredient* m_original = nullptr;
    // Set while the list is refilled, whose selection changes on the way.
    bool m_filling = false;
};
