#include "DialogSales.h"

#include "catalogue/Data.h"
#include "controls/DialogHelp.h"
#include "controls/ListCtrlEx.h"
#include "datafile/ProgramMessages.h"
#include "pages/common/FormFields.h"
#include "pages/common/MessageText.h"
#include "pages/common/PageHost.h"
#include "pages/sales/SalesList.h"
#include "platform/qt/TextConversion.h"
#include "resources/GermanDialogTexts.h"
#include "resources/StringIds.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

namespace {

constexpr int kColumnWidth = 90;
constexpr int kNameColumn = 0;

} // namespace

CDialogSales::CDialogSales(CPageHost& host, const CRecipe* recipe, QWidget* parent)
    : QDialog(parent), m_host(host), m_recipe(recipe)
{
    setObjectName(QStringLiteral("dialogSales"));
    setWindowTitle(ToQString(SalesList::Caption(recipe)));
    BuildForm();
    AddColumns();
    m_list->LoadLayout(host.Profile(), kLayoutSection, LayoutEntry());
    FormFields::FitToColumns(m_list);
    FillList();
}

void CDialogSales::BuildForm()
{
    m_list = new CListCtrlEx(this);
    m_list->setObjectName(QStringLiteral("salesList"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setMinimumHeight(360);
    m_ok = new QPushButton(UiText(DialogText::Common::kOk), this);
    m_ok->setObjectName(QStringLiteral("okButton"));
    m_ok->setDefault(true);
    m_delete = new QPushButton(UiText(DialogText::SalesList::kDelete), this);
    m_delete->setObjectName(QStringLiteral("deleteSale"));
    m_delete->setAutoDefault(false);
    CDialogHelp::Attach(*this, [this] { m_host.OpenHelp(m_host.HelpAddress("DialogSalesList")); });
    QDialogButtonBox* box = FormFields::ButtonBox(this, {{m_ok, QDialogButtonBox::AcceptRole}});
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_delete);
    buttons->addStretch(1);
    buttons->addWidget(box);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);
    FormFields::SetTabOrder({m_list, m_delete, box});
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_delete, &QPushButton::clicked, this, &CDialogSales::DeleteSale);
    auto* deleteKey = new QShortcut(QKeySequence::Delete, m_list, nullptr, nullptr, Qt::WidgetShortcut);
    connect(deleteKey, &QShortcut::activated, this, &CDialogSales::DeleteSale);
}

// One dish: date, price, portions; all sales: the name first. Dates show whole in the chosen
// language's format (and a date that is not valid as such), prices up to "99.999,99".
void CDialogSales::AddColumns()
{
    int column = 0;
    if (!m_recipe)
        m_list->InsertColumnById(column++, StringId::kNameHeader, EColumnFormat::Left, kColumnWidth);
    std::string widestDate = SalesList::DateText(CDateTime(2000, 12, 28));
    const std::string invalid = SalesList::DateText(CDateTime::MakeInvalid());
    if (invalid.size() > widestDate.size())
        widestDate = invalid;
    m_list->InsertColumnById(column++, StringId::kDateHeader, EColumnFormat::Left, kColumnWidth,
                             widestDate.c_str());
    m_list->InsertColumnById(column++, StringId::kPriceHeader, EColumnFormat::Left, kColumnWidth,
                             "99.999,99");
    m_list->InsertColumnById(column++, StringId::kAmountHeader, EColumnFormat::Left, kColumnWidth, "9.999");
}

void CDialogSales::FillList()
{
    m_list->DeleteAllRows();
    CData* data = m_host.GetData();
    m_sales = data ? SalesList::Select(*data, m_recipe) : std::vector<CSale*>{};
    const int first = m_recipe ? kNameColumn : kNameColumn + 1;
    for (std::uint32_t index = 0; index < m_sales.size(); ++index) {
        const CSale& sale = *m_sales[index];
        const std::uint32_t row = m_list->AddRow(index);
        if (!m_recipe)
            m_list->SetCellText(row, kNameColumn, sale.Name);
        // A date that is not valid sorts last.
        const double when = sale.DateTime.GetStatus() == CDateTime::Valid
                                ? sale.DateTime.GetValue()
                                : std::numeric_limits<double>::quiet_NaN();
        m_list->SetCellDate(row, first, SalesList::DateText(sale.DateTime), when);
        m_list->SetCellNumber(row, first + 1, SalesList::Price(sale), ECellType::TwoDecimals);
        m_list->SetCellNumber(row, first + 2, sale.NbPortion, ECellType::General);
    }
    m_list->Fill();
    m_list->Sort();
}

CSale* CDialogSales::SelectedSale() const
{
    const auto index = m_list->GetSelectedUserData();
    return index && *index < m_sales.size() ? m_sales[*index] : nullptr;
}

// After a deletion the row that took the deleted one's place is selected, so that the user
// can go on deleting from there.
void CDialogSales::DeleteSale()
{
    CSale* sale = SelectedSale();
    CData* data = m_host.GetData();
    if (!sale || !data)
        return;
    if (!CProgramMessages::AskYesNo(m_host.Messages(),
                                    MessageText::WithName(StringId::kDeleteSaleQuestion, sale->Name)))
        return;
    const int position = m_list->GetData().FindItem(m_list->GetSelectedRowId());
    if (data->DeleteSale(sale) != 1)
        return;
    FillList();
    const auto& items = m_list->GetData().GetItems();
    if (!items.empty() && position >= 0)
        m_list->SelectRowById(
            items[std::min<std::size_t>(static_cast<std::size_t>(position), items.size() - 1)]);
}

void CDialogSales::done(int result)
{
    m_list->SaveLayout(m_host.Profile(), kLayoutSection, LayoutEntry());
    QDialog::done(result);
}
