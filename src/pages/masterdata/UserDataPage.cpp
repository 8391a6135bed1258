#include "UserDataPage.h"

#include "catalogue/Data.h"
#include "pages/common/FormFields.h"
#include "platform/qt/TextConversion.h"
#include "resources/GermanDialogTexts.h"
#include "resources/StringIds.h"
#include "resources/StringTables.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace {} // namespace

CUserDataPage::CUserDataPage(CPageHost& host, const COptions& options, QWidget* parent)
    : CSubDialog(host, options, parent)
{
    Title()->setText(UiText(DialogText::UserDataPage::kTitle));
    Subtitle()->setText(ToQString(CStringTables::Load(StringId::kUserSection)));
    BuildForm();
}

// Postcode and city share one row.
void CUserDataPage::BuildForm()
{
    const char* names[NbFields] = {"company",  "firstname", "lastname", "street",
                                   "postcode", "city",      "country"};
    for (int field = 0; field < NbFields; ++field)
        m_fields[field] = FormFields::TextField(names[field], Body());
    auto* grid = new QGridLayout(Body());
    FormFields::AddRow(grid, 0, 0, UiText(DialogText::UserDataPage::kCompany), m_fields[Company], 3);
    FormFields::AddRow(grid, 1, 0, UiText(DialogText::UserDataPage::kFirstname), m_fields[Firstname], 3);
    FormFields::AddRow(grid, 2, 0, UiText(DialogText::UserDataPage::kLastname), m_fields[Lastname], 3);
    FormFields::AddRow(grid, 3, 0, UiText(DialogText::UserDataPage::kStreet), m_fields[Street], 3);
    FormFields::AddRow(grid, 4, 0, UiText(DialogText::UserDataPage::kPostcode), m_fields[PLZ]);
    FormFields::AddRow(grid, 4, 2, UiText(DialogText::UserDataPage::kCity), m_fields[City]);
    FormFields::AddRow(grid, 5, 0, UiText(DialogText::UserDataPage::kCountry), m_fields[Country], 3);
    m_fields[PLZ]->setMaximumWidth(80);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(6, 1);
}

std::array<std::string*, CUserDataPage::NbFields> CUserDataPage::Targets(CData& data)
{
    return {&data.Company, &data.Firstname, &data.Lastname, &data.Street,
            &data.PLZ,     &data.City,      &data.Country};
}

void CUserDataPage::InitFromData(CData& data)
{
    const auto targets = Targets(data);
    for (int field = 0; field < NbFields; ++field)
        FormFields::SetText(m_fields[field], *targets[field]);
}

bool CUserDataPage::TakeIntoData(CData& data)
{
    const auto targets = Targets(data);
    for (int field = 0; field < NbFields; ++field)
        *targets[field] = FormFields::Text(m_fields[field]);
    return true;
}
