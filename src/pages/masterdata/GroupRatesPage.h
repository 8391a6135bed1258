#pragma once

#include "pages/masterdata/MasterDataPage.h"
#include "pages/masterdata/MasterDataRules.h"

#include <array>

class CStoredNumbers;
class QGridLayout;
class QLabel;
class QLineEdit;

// The VAT rates or the target cost-of-goods ratios of the ten food or drink groups, in percent.
// Each row is labelled with its group's name; a group without a name has an empty label and a
// disabled field.
class CGroupRatesPage : public CMasterDataPage
{
    Q_OBJECT

public:
    enum EKind { Taxes, Quotes };

    CGroupRatesPage(CPageHost& host, const COptions& options, EKind kind, bool drinks,
                    QWidget* parent = nullptr);
    ~CGroupRatesPage() override;

    void InitFromData(CData& data) override;
    bool TakeIntoData(CData& data) override;
    QLineEdit* RefusedField() const override;
    // The row labels follow the group names last stored.
    void RefreshPage() override;

    QLineEdit* Field(int row) const { return m_fields[row]; }
    QLabel* RowLabel(int row) const { return m_labels[row]; }

private:
    void BuildForm();
    void AddRow(QGridLayout* grid, int row);
    void UpdateLabels(const CData& data);

    EKind m_kind;
    bool m_drinks;
    CStoredNumbers* m_numbers;
    std::array<QLabel*, MasterDataRules::kNbRows> m_labels{};
    std::array<QLineEdit*, MasterDataRules::kNbRows> m_fields{};
};
