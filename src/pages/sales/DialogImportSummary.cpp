#include "DialogImportSummary.h"

#include "catalogue/NumberText.h"
#include "controls/DialogHelp.h"
#include "controls/ListCtrlEx.h"
#include "pages/common/FormFields.h"
#include "pages/common/PageHost.h"
#include "pages/sales/SalesList.h"
#include "platform/qt/TextConversion.h"
#include "registerimport/ImportPlan.h"
#include "registerimport/ImportSummaryRows.h"
#include "resources/GermanDialogTexts.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

namespace Text = DialogText::ImportSummary;
using EKind = CImportSummaryRow::EKind;

enum EColumn { KindColumn, NameColumn, LinesColumn, PortionsColumn, RevenueColumn };
constexpr int kColumnWidth = 90;

std::string To1252(const char* utf8)
{
    return FromQStringLossy(UiText(utf8));
}

const char* KindText(EKind kind)
{
    switch (kind) {
    case EKind::Dish:
        return Text::kDishKind;
    case EKind::OpenItem:
        return Text::kOpenKind;
    case EKind::NoDishItem:
        return Text::kNoDishKind;
    case EKind::Skipped:
        return Text::kSkippedKind;
    case EKind::AlreadyImported:
        return Text::kBeforeKind;
    }
    return Text::kSkippedKind;
}

const char* ReasonText(ERegisterSkip reason)
{
    switch (reason) {
    case ERegisterSkip::VoidedLine:
        return Text::kVoidedLine;
    case ERegisterSkip::VoidedReceipt:
        return Text::kVoidedReceipt;
    case ERegisterSkip::TrainingReceipt:
        return Text::kTrainingReceipt;
    case ERegisterSkip::OtherReceipt:
        return Text::kOtherReceipt;
    case ERegisterSkip::Deposit:
        return Text::kDeposit;
    case ERegisterSkip::Discount:
        return Text::kDiscount;
    case ERegisterSkip::Voucher:
        return Text::kVoucher;
    case ERegisterSkip::Tip:
        return Text::kTip;
    case ERegisterSkip::AlreadyImported:
        return Text::kBeforeKind;
    case ERegisterSkip::OtherLine:
        break;
    }
    return Text::kOtherLine;
}

QString Money(double value)
{
    return ToQString(NumberText::Format(value, 2));
}

// The lines above the list, in the order the dialog's description gives.
QString FiguresText(const CImportPlan& plan)
{
    QStringList lines;
    lines << UiText(Text::kSource) + ToQString(plan.SourceName);
    if (plan.First.IsValid())
        lines << UiText(Text::kPeriod) + ToQString(SalesList::DateText(plan.First)) + QStringLiteral(" – ") +
                     ToQString(SalesList::DateText(plan.Last));
    lines << UiText(Text::kReceipts) + ToQString(NumberText::Format(plan.Receipts, -3));
    lines << UiText(Text::kLines) + ToQString(NumberText::Format(plan.LinesRead, -3)) +
                 QStringLiteral(" / ") + ToQString(NumberText::Format(plan.LinesBooked, -3));
    lines << UiText(Text::kRevenue) + Money(plan.Gross) + QStringLiteral(" / ") + Money(plan.Net);
    lines << UiText(Text::kCost) + Money(plan.Cost) + UiText(Text::kCostNote);
    if (plan.VatDifferingLines > 0)
        lines << UiText(Text::kVat) + ToQString(NumberText::Format(plan.VatDifferingLines, -3)) +
                     QStringLiteral(" (") + Money(plan.VatDifferingGross) + QStringLiteral(")") +
                     UiText(Text::kVatNote);
    if (!plan.OpenItems.empty())
        lines << UiText(Text::kOpenWarning);
    return lines.join(QLatin1Char('\n'));
}

} // namespace

CDialogImportSummary::CDialogImportSummary(CPageHost& host, const CImportPlan& plan, QWidget* parent)
    : QDialog(parent), m_host(host)
{
    setObjectName(QStringLiteral("dialogImportSummary"));
    setWindowTitle(UiText(Text::kTitle));
    BuildForm(plan);
    AddColumns();
    m_list->LoadLayout(host.Profile(), kLayoutSection, kLayoutEntry);
    FormFields::FitToColumns(m_list);
    FillList(plan);
}

void CDialogImportSummary::BuildForm(const CImportPlan& plan)
{
    m_figures = new QLabel(FiguresText(plan), this);
    m_figures->setObjectName(QStringLiteral("figures"));
    m_figures->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_list = new CListCtrlEx(this);
    m_list->setObjectName(QStringLiteral("summaryList"));
    m_list->setMinimumHeight(240);
    m_book = new QPushButton(UiText(Text::kBook), this);
    m_book->setObjectName(QStringLiteral("bookButton"));
    m_book->setEnabled(!plan.BooksNothing());
    m_book->setDefault(true);
    auto* cancel = new QPushButton(UiText(DialogText::Common::kCancel), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    CDialogHelp::Attach(*this, [this] { m_host.OpenHelp(m_host.HelpAddress("DialogImportSummary")); });
    QDialogButtonBox* box = FormFields::ButtonBox(
        this, {{m_book, QDialogButtonBox::AcceptRole}, {cancel, QDialogButtonBox::RejectRole}});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_figures);
    layout->addWidget(FormFields::Label(UiText(Text::kList), m_list, this));
    layout->addWidget(m_list, 1);
    layout->addWidget(box);
    FormFields::SetTabOrder({m_list, box});
    connect(m_book, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void CDialogImportSummary::AddColumns()
{
    m_list->InsertColumn(KindColumn, To1252(Text::kKindHeader), EColumnFormat::Left, kColumnWidth,
                         To1252(Text::kOpenKind).c_str());
    m_list->InsertColumn(NameColumn, To1252(Text::kNameHeader), EColumnFormat::Left, 2 * kColumnWidth,
                         "Kasse 1, Abschluss 412 vom 03.05.2026");
    m_list->InsertColumn(LinesColumn, To1252(Text::kLinesHeader), EColumnFormat::Right, kColumnWidth,
                         "99.999");
    m_list->InsertColumn(PortionsColumn, To1252(Text::kPortionsHeader), EColumnFormat::Right, kColumnWidth,
                         "99.999");
    m_list->InsertColumn(RevenueColumn, To1252(Text::kRevenueHeader), EColumnFormat::Right, kColumnWidth,
                         "999.999,99");
}

void CDialogImportSummary::FillList(const CImportPlan& plan)
{
    const std::vector<CImportSummaryRow> rows = ImportSummaryRows::Rows(plan);
    for (std::uint32_t index = 0; index < rows.size(); ++index) {
        const CImportSummaryRow& item = rows[index];
        const std::uint32_t row = m_list->AddRow(index);
        m_list->SetCellText(row, KindColumn, To1252(KindText(item.Kind)));
        m_list->SetCellText(row, NameColumn,
                            item.Kind == EKind::Skipped ? To1252(ReasonText(item.Reason)) : item.Name);
        if (!item.HasFigures)
            continue;
        m_list->SetCellNumber(row, LinesColumn, item.Lines, ECellType::Integer);
        if (item.Kind != EKind::Skipped)
            m_list->SetCellNumber(row, PortionsColumn, item.Portions, ECellType::General);
        m_list->SetCellNumber(row, RevenueColumn, item.Gross, ECellType::TwoDecimals);
    }
    m_list->Fill();
}

void CDialogImportSummary::done(int result)
{
    m_list->SaveLayout(m_host.Profile(), kLayoutSection, kLayoutEntry);
    QDialog::done(result);
}
