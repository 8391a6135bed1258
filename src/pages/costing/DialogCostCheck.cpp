#include "DialogCostCheck.h"

#include "catalogue/Data.h"
#include "controls/DialogHelp.h"
#include "controls/ListCtrlEx.h"
#include "costcheck/CostCheck.h"
#include "pages/common/ExportFile.h"
#include "pages/common/FormFields.h"
#include "pages/common/PageHost.h"
#include "pages/costing/CostCheckTable.h"
#include "pages/ingredients/DialogIngredient.h"
#include "pages/recipes/DialogRecipe.h"
#include "platform/qt/TextConversion.h"
#include "resources/GermanDialogTexts.h"
#include "resources/StringIds.h"
#include "resources/StringTables.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

namespace {

template <typename TRecord> TRecord* FindById(CRing<TRecord>& records, int id)
{
    for (TRecord& record : records) {
        if (record.Id == id)
            return &record;
    }
    return nullptr;
}

// What the dialog leaves free beside it on the screen.
constexpr int kScreenMargin = 80;

bool SameRecord(const CCostFinding& a, const CCostFinding& b)
{
    return a.Record == b.Record && a.RecordId == b.RecordId;
}

} // namespace

bool CDialogCostCheck::Run(CPageHost& host, QWidget* parent)
{
    if (!host.GetData())
        return false;
    CDialogCostCheck dialog(host, parent);
    dialog.exec();
    return dialog.Changed();
}

CDialogCostCheck::CDialogCostCheck(CPageHost& host, QWidget* parent) : QDialog(parent), m_host(host)
{
    setObjectName(QStringLiteral("dialogCostCheck"));
    setWindowTitle(ToQString(CStringTables::Load(StringId::kCostCheckTitle)));
    BuildForm();
    m_list->LoadLayout(host.Profile(), kLayoutSection, kLayoutEntry);
    FormFields::FitToColumns(m_list);
    CheckAgain();
    OpenWideEnough();
    m_list->setFocus();
}

// The texts of the findings are long: the dialog opens as wide as its columns need, as far as
// the screen allows; smaller, the list scrolls sideways.
void CDialogCostCheck::OpenWideEnough()
{
    const QScreen* shown = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!shown)
        return;
    const int scrollBar = m_list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_list);
    const int columns = m_list->header()->length() + 2 * m_list->frameWidth() + scrollBar;
    const int extra = sizeHint().width() - m_list->minimumWidth();
    const int wanted = std::min(columns + extra, shown->availableGeometry().width() - kScreenMargin);
    if (wanted > sizeHint().width())
        resize(wanted, sizeHint().height());
}

QPushButton* CDialogCostCheck::AddButton(const char* text, const char* objectName)
{
    // Enter in the list opens the finding; no button takes it from there.
    return FormFields::Button(UiText(text), objectName, this, false);
}

void CDialogCostCheck::BuildForm()
{
    m_list = new CListCtrlEx(this);
    m_list->setObjectName(QStringLiteral("findingList"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setMinimumHeight(360);
    m_list->InsertColumns(CostCheckTable::Columns());
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("summary"));
    m_open = AddButton(DialogText::CostCheck::kOpen, "openRecord");
    m_check = AddButton(DialogText::CostCheck::kCheckAgain, "checkAgain");
    m_print = AddButton(DialogText::CostCheck::kPrint, "printFindings");
    m_export = AddButton(DialogText::CostCheck::kExport, "exportFindings");
    m_print->setEnabled(m_host.CanPrint());
    m_close = new QPushButton(UiText(DialogText::CostCheck::kClose), this);
    m_close->setObjectName(QStringLiteral("closeButton"));
    m_close->setAutoDefault(false);
    CDialogHelp::Attach(*this, [this] { m_host.OpenHelp(m_host.HelpAddress(kHelpAnchor)); });
    QDialogButtonBox* box = FormFields::ButtonBox(this, {{m_close, QDialogButtonBox::RejectRole}});

    auto* heading = new QHBoxLayout;
    heading->addWidget(FormFields::Label(UiText(DialogText::CostCheck::kFindings), m_list, this));
    heading->addStretch(1);
    heading->addWidget(m_summary);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {m_open, m_check, m_print, m_export})
        buttons->addWidget(button);
    buttons->addStretch(1);
    buttons->addWidget(box);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(heading);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);
    FormFields::SetTabOrder({m_list, m_open, m_check, m_print, m_export, box});

    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_open, &QPushButton::clicked, this, &CDialogCostCheck::OpenSelected);
    connect(m_check, &QPushButton::clicked, this, &CDialogCostCheck::CheckAgain);
    connect(m_print, &QPushButton::clicked, this, &CDialogCostCheck::Print);
    connect(m_export, &QPushButton::clicked, this, &CDialogCostCheck::ExportCsv);
    connect(m_list, &CListCtrlEx::RowOpened, this, [this] { OpenSelected(); });
    connect(m_list, &CListCtrlEx::SelectionChanged, this,
            [this] { m_open->setEnabled(SelectedFinding() != nullptr); });
    connect(m_list, &CListCtrlEx::LayoutEdited, this,
            [this] { m_list->SaveLayout(m_host.Profile(), kLayoutSection, kLayoutEntry); });
}

void CDialogCostCheck::CheckAgain()
{
    const CCostFinding* selected = SelectedFinding();
    const std::optional<CCostFinding> before = selected ? std::optional(*selected) : std::nullopt;
    const int position = m_list->GetData().FindItem(m_list->GetSelectedRowId());
    const CData* data = m_host.GetData();
    m_findings = data ? CostCheck::Run(*data, CDateTime::Now(m_host.Clock())) : std::vector<CCostFinding>{};
    FillList();
    ShowSummary();
    SelectAfterCheck(before, position);
    m_open->setEnabled(SelectedFinding() != nullptr);
}

// One row per finding; a row's user data is the finding's index. The severity sorts by its
// rank (errors first), not by its text.
void CDialogCostCheck::FillList()
{
    m_list->DeleteAllRows();
    for (std::uint32_t index = 0; index < m_findings.size(); ++index) {
        const CCostFinding& finding = m_findings[index];
        const auto cells = CostCheckTable::Cells(finding);
        const std::uint32_t row = m_list->AddRow(index);
        m_list->SetCellDate(row, CostCheckTable::Severity, cells[CostCheckTable::Severity],
                            static_cast<double>(finding.Severity));
        for (int column = CostCheckTable::Record; column < CostCheckTable::NbColumns; ++column)
            m_list->SetCellText(row, column, cells[column]);
    }
    m_list->Fill();
    m_list->Sort();
}

void CDialogCostCheck::ShowSummary()
{
    if (m_findings.empty()) {
        m_summary->setText(ToQString(CStringTables::Load(StringId::kCostNoFindings)));
        return;
    }
    int counts[3] = {};
    for (const CCostFinding& finding : m_findings)
        ++counts[static_cast<int>(finding.Severity)];
    m_summary->setText(UiText(DialogText::CostCheck::kCounts).arg(counts[0]).arg(counts[1]).arg(counts[2]));
}

void CDialogCostCheck::SelectAfterCheck(std::optional<CCostFinding> before, int position)
{
    const auto& items = m_list->GetData().GetItems();
    if (items.empty())
        return;
    if (before) {
        for (std::uint32_t rowId : items) {
            const auto index = m_list->GetData().FindRow(rowId)->UserData;
            if (SameRecord(m_findings[index], *before)) {
                m_list->SelectRowById(rowId);
                return;
            }
        }
    }
    // The first row at the start, so that Enter opens it at once.
    const auto at = static_cast<std::size_t>(std::max(position, 0));
    m_list->SelectRowById(items[std::min(at, items.size() - 1)]);
}

const CCostFinding* CDialogCostCheck::SelectedFinding() const
{
    const auto index = m_list->GetSelectedUserData();
    return index && *index < m_findings.size() ? &m_findings[*index] : nullptr;
}

void CDialogCostCheck::OpenSelected()
{
    const CCostFinding* finding = SelectedFinding();
    if (!finding)
        return;
    const bool accepted = finding->Record == CCostFinding::Ingredient ? OpenIngredient(finding->RecordId)
                                                                      : OpenRecipe(finding->RecordId);
    if (!accepted)
        return;
    m_changed = true;
    CheckAgain();
}

// As the ingredients page changes a record: the dialog edits a copy, OK stores it.
bool CDialogCostCheck::OpenIngredient(int id)
{
    CData* data = m_host.GetData();
    CIngredient* ingredient = data ? FindById(data->Ingredients, id) : nullptr;
    return ingredient && CDialogIngredient::ChangeStored(m_host, *ingredient, this);
}

bool CDialogCostCheck::OpenRecipe(int id)
{
    CData* data = m_host.GetData();
    CRecipe* recipe = data ? FindById(data->Recipes, id) : nullptr;
    return recipe && CDialogRecipe::ChangeStored(m_host, *recipe, this);
}

void CDialogCostCheck::Print()
{
    if (m_host.CanPrint())
        m_host.PrintList(*m_list, StringId::kCostCheckTitle);
}

// The list as a CSV file the user chooses.
void CDialogCostCheck::ExportCsv()
{
    const std::optional<std::string> path = ExportFile::AskPath(
        m_host, "csv", FromQString(UiText(DialogText::CostCheck::kFileName)), DialogText::CostCheck::kFilter);
    if (path)
        (void)ExportFile::WriteCsv(m_host, *path, CostCheckTable::ToCsv(m_list->GetData()));
}
