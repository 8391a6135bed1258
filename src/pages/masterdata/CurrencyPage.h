#pragma once

#include "pages/masterdata/MasterDataPage.h"

class CFieldLeaveWatcher;
class CStoredNumbers;
class QLabel;
class QLineEdit;

// The first and the second currency and the factor between them: "1 EUR = [factor] SFR". The
// labels around the factor follow the names as soon as the user leaves either name field.
class CCurrencyPage : public CMasterDataPage
{
    Q_OBJECT

public:
    CCurrencyPage(CPageHost& host, const COptions& options, QWidget* parent = nullptr);
    ~CCurrencyPage() override;

    void InitFromData(CData& data) override;
    bool TakeIntoData(CData& data) override;
    QLineEdit* RefusedField() const override;
    void RefreshPage() override;

    QLineEdit* Currency() const { return m_currency; }
    QLineEdit* Currency2() const { return m_currency2; }
    QLineEdit* Factor() const { return m_factor; }
    QLabel* FactorBefore() const { return m_factorBefore; }
    QLabel* FactorAfter() const { return m_factorAfter; }

private:
    void BuildForm();
    void UpdateLabels();

    CFieldLeaveWatcher* m_watcher;
    CStoredNumbers* m_numbers;
    QLineEdit* m_currency = nullptr;
    QLineEdit* m_currency2 = nullptr;
    QLineEdit* m_factor = nullptr;
    QLabel* m_factorBefore = nullptr;
    QLabel* m_factorAfter = nullptr;
};
