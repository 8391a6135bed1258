#pragma once

#include "pages/common/SubDialog.h"

#include <array>
#include <string>

class QLineEdit;

// The address of the user: company, first and last name, street, postcode and city, country.
// The texts are taken as typed.
class CUserDataPage : public CSubDialog
{
    Q_OBJECT

public:
    CUserDataPage(CPageHost& host, const COptions& options, QWidget* parent = nullptr);

    void InitFromData(CData& data) override;
    bool TakeIntoData(CData& data) override;

private:
    enum EField { Company, Firstname, Lastname, Street, PLZ, City, Country, NbFields };
    static std::array<std::string*, NbFields> Targets(CData& data);
    void BuildForm();

    std::array<QLineEdit*, NbFields> m_fields{};
};
