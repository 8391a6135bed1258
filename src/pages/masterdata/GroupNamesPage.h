#pragma once

#include "pages/common/SubDialog.h"
#include "pages/masterdata/MasterDataRules.h"

#include <array>

class QLineEdit;

// The names of the ten food groups or of the ten drink groups. Rows 1 to 5 stand in the left
// column, 6 to 10 in the right one. A name that recipes' group still needs is not emptied.
class CGroupNamesPage : public CSubDialog
{
    Q_OBJECT

public:
    CGroupNamesPage(CPageHost& host, const COptions& options, bool drinks, QWidget* parent = nullptr);

    void InitFromData(CData& data) override;
    bool TakeIntoData(CData& data) override;

    QLineEdit* Field(int row) const { return m_fields[row]; }

private:
    void BuildForm();

    bool m_drinks;
    std::array<QLineEdit*, MasterDataRules::kNbRows> m_fields{};
};
