#include "DialogRegisterMapping.h"

#include "catalogue/Data.h"
#include "catalogue/NumberText.h"
#include "controls/DialogHelp.h"
#include "controls/ListCtrlEx.h"
#include "pages/common/FormFields.h"
#include "pages/common/PageHost.h"
#include "platform/qt/TextConversion.h"
#include "registerimport/RegisterItemTable.h"
#include "resources/GermanDialogTexts.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <unordered_map>

namespace {

namespace Text = DialogText::RegisterMapping;
using EChoice = CRegisterItemTable::EChoice;
using EKind = CDishProposal::EKind;

enum EColumn {
    KeyColumn,
    TextColumn,
    RevenueColumn,
    PortionsColumn,
    ProposalColumn,
    SurenessColumn,
    ChoiceColumn
};
constexpr int kColumnWidth = 90;

std::string Utf8To1252(const char* text)
{
    return FromQStringLossy(UiText(text));
}

} // namespace

CDialogRegisterMapping::CDialogRegisterMapping(CPageHost& host, const CData& data,
                                               const CRegisterItemTable& items, QWidget* parent)
    : QDialog(parent), m_host(host), m_items(std::make_unique<CRegisterItemTable>(items))
{
    setObjectName(QStringLiteral("dialogRegisterMapping"));
    setWindowTitle(UiText(Text::kTitle));
    for (const CRecipe& recipe : data.Recipes) {
        if (recipe.UseForSale)
            m_dishes.push_back(&recipe);
    }
    std::stable_sort(m_dishes.begin(), m_dishes.end(), [](const CRecipe* a, const CRecipe* b) {
        return ToQString(a->Name).localeAwareCompare(ToQString(b->Name)) < 0;
    });
    BuildForm();
    AddColumns();
    m_list->LoadLayout(host.Profile(), kLayoutSection, kLayoutEntry);
    FormFields::FitToColumns(m_list);
    FillList();
    if (!m_list->GetData().GetItems().empty())
        m_list->SelectRowById(m_list->GetData().GetItems().front());
}

CDialogRegisterMapping::~CDialogRegisterMapping() = default;

void CDialogRegisterMapping::BuildForm()
{
    m_list = new CListCtrlEx(this);
    m_list->setObjectName(QStringLiteral("itemList"));
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setMinimumHeight(320);
    m_dish = FormFields::ComboField("dishField", this);
    for (const CRecipe* dish : m_dishes)
        m_dish->addItem(ToQString(dish->Name));
    auto* assign = FormFields::Button(UiText(Text::kAssign), "assignDish", this, false);
    auto* confirm = FormFields::Button(UiText(Text::kConfirm), "confirmProposal", this, false);
    auto* confirmSure = FormFields::Button(UiText(Text::kConfirmSure), "confirmSureProposals", this, false);
    auto* noDish = FormFields::Button(UiText(Text::kNoDish), "noDish", this, false);
    auto* reopen = FormFields::Button(UiText(Text::kReopen), "reopenItem", this, false);
    m_openCount = new QLabel(this);
    m_openCount->setObjectName(QStringLiteral("openCount"));
    auto* ok = new QPushButton(UiText(DialogText::Common::kOk), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setAutoDefault(false);
    auto* cancel = new QPushButton(UiText(DialogText::Common::kCancel), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setAutoDefault(false);
    CDialogHelp::Attach(*this, [this] { m_host.OpenHelp(m_host.HelpAddress("DialogRegisterMapping")); });
    QDialogButtonBox* box = FormFields::ButtonBox(
        this, {{ok, QDialogButtonBox::AcceptRole}, {cancel, QDialogButtonBox::RejectRole}});

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(FormFields::Label(UiText(Text::kItems), m_list, this));
    layout->addWidget(m_list, 1);
    auto* choice = new QGridLayout;
    choice->addWidget(FormFields::Label(UiText(Text::kDish), m_dish, this), 0, 0);
    choice->addWidget(m_dish, 0, 1);
    choice->addWidget(assign, 0, 2);
    choice->setColumnStretch(1, 1);
    layout->addLayout(choice);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {confirm, confirmSure, noDish, reopen})
        buttons->addWidget(button);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_openCount, 1);
    bottom->addWidget(box);
    layout->addLayout(bottom);
    FormFields::SetTabOrder({m_list, m_dish, assign, confirm, confirmSure, noDish, reopen, box});

    connect(m_list, &CListCtrlEx::RowOpened, this, [this] { ConfirmProposals(); });
    connect(assign, &QPushButton::clicked, this, &CDialogRegisterMapping::AssignDish);
    connect(confirm, &QPushButton::clicked, this, &CDialogRegisterMapping::ConfirmProposals);
    connect(confirmSure, &QPushButton::clicked, this, &CDialogRegisterMapping::ConfirmSureProposals);
    connect(noDish, &QPushButton::clicked, this, &CDialogRegisterMapping::ChooseNoDish);
    connect(reopen, &QPushButton::clicked, this, &CDialogRegisterMapping::Reopen);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void CDialogRegisterMapping::AddColumns()
{
    m_list->InsertColumn(KeyColumn, Utf8To1252(Text::kKeyHeader), EColumnFormat::Left, kColumnWidth,
                         "9999999");
    m_list->InsertColumn(TextColumn, Utf8To1252(Text::kTextHeader), EColumnFormat::Left, 2 * kColumnWidth,
                         "Schweinebraten mit Kn\xF6"
                         "del");
    m_list->InsertColumn(RevenueColumn, Utf8To1252(Text::kRevenueHeader), EColumnFormat::Right, kColumnWidth,
                         "99.999,99");
    m_list->InsertColumn(PortionsColumn, Utf8To1252(Text::kPortionsHeader), EColumnFormat::Right,
                         kColumnWidth, "9.999");
    m_list->InsertColumn(ProposalColumn, Utf8To1252(Text::kProposalHeader), EColumnFormat::Left,
                         2 * kColumnWidth,
                         "Schweinebraten mit Kn\xF6"
                         "del");
    m_list->InsertColumn(SurenessColumn, Utf8To1252(Text::kSurenessHeader), EColumnFormat::Right,
                         kColumnWidth, "100 %");
    m_list->InsertColumn(ChoiceColumn, Utf8To1252(Text::kChoiceHeader), EColumnFormat::Left, 2 * kColumnWidth,
                         Utf8To1252(Text::kNoDishChoice).c_str());
}

void CDialogRegisterMapping::FillList()
{
    std::unordered_map<int, const CRecipe*> byId;
    for (const CRecipe* dish : m_dishes)
        byId.emplace(dish->Id, dish);
    m_list->DeleteAllRows();
    const auto& rows = m_items->Rows();
    for (std::uint32_t index = 0; index < rows.size(); ++index) {
        const CRegisterItemTable::CRow& item = rows[index];
        const std::uint32_t row = m_list->AddRow(index);
        m_list->SetCellText(row, KeyColumn, item.Key);
        m_list->SetCellText(row, TextColumn, item.Text);
        m_list->SetCellNumber(row, RevenueColumn, item.Gross, ECellType::TwoDecimals);
        m_list->SetCellNumber(row, PortionsColumn, item.Portions, ECellType::General);
        if (item.Proposal.Dish) {
            m_list->SetCellText(row, ProposalColumn, item.Proposal.Dish->Name);
            m_list->SetCellText(row, SurenessColumn,
                                NumberText::Format(item.Proposal.Sureness * 100.0, 0) + " %");
        }
        std::string choice = Utf8To1252(Text::kOpenChoice);
        if (item.Choice == EChoice::NoDish) {
            choice = Utf8To1252(Text::kNoDishChoice);
        } else if (item.Choice == EChoice::Dish) {
            const auto dish = byId.find(item.RecipeId);
            choice = dish != byId.end() ? dish->second->Name : choice;
        }
        m_list->SetCellText(row, ChoiceColumn, choice);
    }
    m_list->Fill();
    m_list->Sort();
    m_openCount->setText(UiText(Text::kOpenCount) + ToQString(NumberText::Format(m_items->CountOpen(), -3)));
}

std::vector<int> CDialogRegisterMapping::SelectedRows() const
{
    std::vector<int> rows;
    for (const std::uint32_t rowId : m_list->GetSelectedRowIds()) {
        if (const CListRow* row = m_list->GetData().FindRow(rowId))
            rows.push_back(static_cast<int>(row->UserData));
    }
    return rows;
}

template <class Change> void CDialogRegisterMapping::ChangeSelected(Change change)
{
    const std::vector<std::uint32_t> selected = m_list->GetSelectedRowIds();
    for (const int row : SelectedRows())
        change(row);
    FillList();
    // Row ids are positions in model order, which a refill keeps.
    for (std::size_t i = 0; i < selected.size(); ++i) {
        if (i == 0) {
            m_list->SelectRowById(selected[i]);
        } else {
            const QModelIndex index = m_list->model()->index(m_list->GetData().FindItem(selected[i]), 0);
            m_list->selectionModel()->select(index, QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
    }
}

void CDialogRegisterMapping::ConfirmProposals()
{
    ChangeSelected([this](int row) { (void)m_items->ConfirmProposal(row); });
}

void CDialogRegisterMapping::ConfirmSureProposals()
{
    const auto& rows = m_items->Rows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].Choice == EChoice::Open && rows[i].Proposal.Kind != EKind::None &&
            rows[i].Proposal.Kind != EKind::Closest)
            (void)m_items->ConfirmProposal(static_cast<int>(i));
    }
    FillList();
}

void CDialogRegisterMapping::AssignDish()
{
    const int index = m_dish->currentIndex();
    if (index < 0 || static_cast<std::size_t>(index) >= m_dishes.size())
        return;
    const CRecipe& dish = *m_dishes[static_cast<std::size_t>(index)];
    ChangeSelected([&](int row) { m_items->ChooseDish(row, dish); });
}

void CDialogRegisterMapping::ChooseNoDish()
{
    ChangeSelected([this](int row) { m_items->ChooseNoDish(row); });
}

void CDialogRegisterMapping::Reopen()
{
    ChangeSelected([this](int row) { m_items->Reopen(row); });
}

void CDialogRegisterMapping::done(int result)
{
    m_list->SaveLayout(m_host.Profile(), kLayoutSection, kLayoutEntry);
    QDialog::done(result);
}
