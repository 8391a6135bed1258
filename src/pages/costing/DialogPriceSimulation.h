#pragma once

#include "priceimpact/PriceChange.h"
#include "priceimpact/PriceImpact.h"
#include "priceimpact/SellPriceStep.h"

#include <QDialog>
#include <utility>
#include <vector>

class CData;
class CListCtrlEx;
class CPageHost;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// "Preisänderung simulieren": the user picks ingredients (one by one, by goods group or by
// supplier) and a change of their purchase price (a percentage or a new price), and sees every
// dish it reaches before and after, largest loss of margin first, with the price that holds
// the group's target ratio, rounded as chosen. The catalogue stays untouched; "Preise
// übernehmen" closes the dialog with the new prices of the dishes selected in the list, which
// the caller applies as one step that can be taken back.
class CDialogPriceSimulation final : public QDialog
{
    Q_OBJECT

public:
    // The host's catalogue must hold while the dialog is open.
    explicit CDialogPriceSimulation(CPageHost& host, QWidget* parent = nullptr);

    // Computes the list from the chosen ingredients and change; false (the user has been told)
    // when a number is no number or no ingredient with a supplier is chosen.
    bool Calculate();
    // After "Preise übernehmen": the dishes chosen with their new prices, looked up in `data`.
    std::vector<CSellPriceStep::CNewPrice> ChosenPrices(CData& data) const;

    CListCtrlEx* Ingredients() const { return m_ingredients; }
    CListCtrlEx* Result() const { return m_result; }
    QRadioButton* OneByOne() const { return m_oneByOne; }
    QRadioButton* ByGroup() const { return m_byGroup; }
    QRadioButton* BySupplier() const { return m_bySupplier; }
    QComboBox* Groups() const { return m_groups; }
    QComboBox* Suppliers() const { return m_suppliers; }
    QRadioButton* PercentMode() const { return m_percentMode; }
    QRadioButton* PriceMode() const { return m_priceMode; }
    QLineEdit* PercentField() const { return m_percent; }
    QLineEdit* PriceField() const { return m_price; }
    QComboBox* Rounding() const { return m_rounding; }
    QPushButton* ApplyButton() const { return m_apply; }
    QLabel* Summary() const { return m_summary; }

    static constexpr const char* kHelpAnchor = "DialogPriceSimulation";
    static constexpr const char* kLayoutSection = "DialogPriceSimulation";
    static constexpr const char* kLayoutEntry = "SimulationList";

private:
    QWidget* BuildSelection();
    QWidget* BuildChange();
    QLayout* BuildResult();
    QWidget* BuildButtons();
    void FillChoices();
    void FillResult();
    bool ReadChange(CPriceChange& change);
    void Apply();

    CPageHost& m_host;
    QRadioButton* m_oneByOne = nullptr;
    QRadioButton* m_byGroup = nullptr;
    QRadioButton* m_bySupplier = nullptr;
    CListCtrlEx* m_ingredients = nullptr;
    QComboBox* m_groups = nullptr;
    QComboBox* m_suppliers = nullptr;
    QRadioButton* m_percentMode = nullptr;
    QRadioButton* m_priceMode = nullptr;
    QLineEdit* m_percent = nullptr;
    QLineEdit* m_price = nullptr;
    QPushButton* m_calculate = nullptr;
    QLabel* m_summary = nullptr;
    CListCtrlEx* m_result = nullptr;
    QComboBox* m_rounding = nullptr;
    QPushButton* m_apply = nullptr;
    QWidget* m_buttons = nullptr;
    std::vector<CImpactRow> m_rows;
    std::vector<double> m_newPrices;
    // Recipe Id and new price of each dish chosen by "Preise übernehmen".
    std::vector<std::pair<int, double>> m_chosen;
};
