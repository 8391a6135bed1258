#include "GroupNamesPage.h"

#include "catalogue/Data.h"
#include "pages/common/FormFields.h"
#include "platform/qt/TextConversion.h"
#include "resources/GermanDialogTexts.h"
#include "resources/StringIds.h"
#include "resources/StringTables.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace {

constexpr int kRowsPerColumn = 5;

// "Gruppe &1 :" .. "Gruppe 1&0 :": the access key is the row's last digit.
QString RowLabel(int row)
{
    const QString number = QString::number(row + 1);
    return UiText(DialogText::GroupNamesPage::kGroupLabel)
        .arg(number.left(number.size() - 1), number.right(1));
}

} // namespace

CGroupNamesPage::CGroupNamesPage(CPageHost& host, const COptions& options, bool drinks, QWidget* parent)
    : CSubDialog(host, options, parent), m_drinks(drinks)
{
    Title()->setText(drinks ? UiText(DialogText::GroupNamesPage::kDrinkTitle)
                            : UiText(DialogText::GroupNamesPage::kFoodTitle));
    Subtitle()->setText(ToQString(
        CStringTables::Load(drinks ? StringId::kDrinkGroupsSection : StringId::kFoodGroupsSection)));
    BuildForm();
}

void CGroupNamesPage::BuildForm()
{
    auto* grid = new QGridLayout(Body());
    for (int row = 0; row < MasterDataRules::kNbRows; ++row) {
        const QByteArray name = "group" + QByteArray::number(row + 1);
        m_fields[row] = FormFields::TextField(name.constData(), Body());
        FormFields::AddRow(grid, row % kRowsPerColumn, 2 * (row / kRowsPerColumn), RowLabel(row),
                           m_fields[row]);
    }
    // Tab order runs down the left column, then down the right one.
    for (int row = 1; row < MasterDataRules::kNbRows; ++row)
        setTabOrder(m_fields[row - 1], m_fields[row]);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(kRowsPerColumn, 1);
}

void CGroupNamesPage::InitFromData(CData& data)
{
    const int first = MasterDataRules::FirstGroup(data, m_drinks);
    for (int row = 0; row < MasterDataRules::kNbRows; ++row)
        FormFields::SetText(m_fields[row], data.GetGroupName(first + row));
}

// Shows a kept name again, so the page says what the catalogue holds.
bool CGroupNamesPage::TakeIntoData(CData& data)
{
    const int first = MasterDataRules::FirstGroup(data, m_drinks);
    bool keptNone = true;
    for (int row = 0; row < MasterDataRules::kNbRows; ++row) {
        if (!MasterDataRules::StoreGroupName(data, first + row, FormFields::Text(m_fields[row]))) {
            keptNone = false;
            FormFields::SetText(m_fields[row], data.GetGroupName(first + row));
        }
    }
    return keptNone;
}
