#include "DialogCsvColumns.h"

#include "controls/ListCtrlEx.h"
#include "pages/common/FormFields.h"
#include "platform/qt/TextConversion.h"
#include "registerimport/CsvColumnMemory.h"
#include "registerimport/CsvJournal.h"
#include "registerimport/CsvPreview.h"
#include "resources/GermanDialogTexts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

namespace Text = DialogText::CsvColumns;

constexpr int kColumnWidth = 80;

// A dialog text as the list's Windows-1252 header.
std::string Header(const char* utf8)
{
    return FromQStringLossy(UiText(utf8));
}

} // namespace

CDialogCsvColumns::CDialogCsvColumns(const CCsvJournal& journal, CCsvColumnMemory& memory, QWidget* parent)
    : QDialog(parent), m_journal(journal), m_memory(memory), m_headings(journal.GetHeadings()),
      m_columns(memory.Offer(m_headings))
{
    setObjectName(QStringLiteral("dialogCsvColumns"));
    setWindowTitle(UiText(Text::kWindowTitle));
    m_choices = {{Text::kDate, "dateColumn", &CCsvColumns::Date},
                 {Text::kTime, "timeColumn", &CCsvColumns::Time},
                 {Text::kItemText, "itemTextColumn", &CCsvColumns::ItemText},
                 {Text::kItemNumber, "itemNumberColumn", &CCsvColumns::ItemNumber},
                 {Text::kQuantity, "quantityColumn", &CCsvColumns::Quantity},
                 {Text::kPrice, "priceColumn", &CCsvColumns::Price},
                 {Text::kGroup, "groupColumn", &CCsvColumns::Group}};
    BuildForm();
    ShowColumns();
}

void CDialogCsvColumns::BuildForm()
{
    auto* intro = new QLabel(UiText(Text::kIntro), this);
    intro->setWordWrap(true);
    auto* grid = new QGridLayout;
    std::vector<QWidget*> order;
    for (std::size_t i = 0; i < m_choices.size(); ++i) {
        CChoice& choice = m_choices[i];
        choice.Box = new QComboBox(this);
        choice.Box->setObjectName(QString::fromLatin1(choice.ObjectName));
        choice.Box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        FormFields::AddRow(grid, static_cast<int>(i % 4), static_cast<int>(i / 4) * 2, UiText(choice.Label),
                           choice.Box);
        order.push_back(choice.Box);
        connect(choice.Box, &QComboBox::currentIndexChanged, this, &CDialogCsvColumns::OnChanged);
    }
    m_heading = new QCheckBox(UiText(Text::kHeading), this);
    m_heading->setObjectName(QStringLiteral("headingRow"));
    grid->addWidget(m_heading, 3, 2, 1, 2);
    order.push_back(m_heading);
    connect(m_heading, &QCheckBox::toggled, this, &CDialogCsvColumns::OnChanged);

    m_preview = new CListCtrlEx(this);
    m_preview->setObjectName(QStringLiteral("preview"));
    m_preview->setMinimumHeight(240);
    auto* previewLabel = FormFields::Label(UiText(Text::kPreview), m_preview, this);
    const struct
    {
        const char* Header;
        EColumnFormat Format;
        const char* Widest;
    } columns[] = {{Text::kLineHeader, EColumnFormat::Right, "99.999"},
                   {Text::kDateHeader, EColumnFormat::Left, "28.12.2000 23:59"},
                   {Text::kItemHeader, EColumnFormat::Left, "Schnitzel Wiener Art"},
                   {Text::kQuantityHeader, EColumnFormat::Right, "9.999"},
                   {Text::kGrossHeader, EColumnFormat::Right, "99.999,99"},
                   {Text::kGroupHeader, EColumnFormat::Left, "Hauptgerichte"},
                   {Text::kNoteHeader, EColumnFormat::Left,
                    "nicht lesbar: Spalte 3 (\x84Menge\x93): \x84zwei\x93 ist keine Zahl."}};
    int index = 0;
    for (const auto& column : columns)
        m_preview->InsertColumn(index++, Header(column.Header), column.Format, kColumnWidth, column.Widest);
    FormFields::FitToColumns(m_preview);
    order.push_back(m_preview);

    m_state = new QLabel(this);
    m_state->setObjectName(QStringLiteral("previewState"));
    m_state->setWordWrap(true);
    m_ok = new QPushButton(UiText(DialogText::Common::kOk), this);
    m_ok->setObjectName(QStringLiteral("okButton"));
    m_ok->setDefault(true);
    auto* cancel = new QPushButton(UiText(DialogText::Common::kCancel), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    QDialogButtonBox* box = FormFields::ButtonBox(
        this, {{m_ok, QDialogButtonBox::AcceptRole}, {cancel, QDialogButtonBox::RejectRole}});
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    order.push_back(box);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(grid);
    layout->addWidget(previewLabel);
    layout->addWidget(m_preview, 1);
    layout->addWidget(m_state);
    layout->addWidget(box);
    FormFields::SetTabOrder(order);
}

// "(keine)", then every column of the journal by its heading or first value.
void CDialogCsvColumns::FillChoices()
{
    for (CChoice& choice : m_choices) {
        choice.Box->clear();
        choice.Box->addItem(UiText(Text::kNone), CCsvColumns::kNone);
        for (std::size_t column = 0; column < m_journal.GetColumnCount(); ++column)
            choice.Box->addItem(ToQString(CsvPreview::ColumnChoice(m_journal, static_cast<int>(column),
                                                                   m_columns.HasHeading)),
                                static_cast<int>(column));
    }
}

void CDialogCsvColumns::ShowColumns()
{
    m_updating = true;
    m_heading->setChecked(m_columns.HasHeading);
    FillChoices();
    for (CChoice& choice : m_choices)
        choice.Box->setCurrentIndex(std::max(0, choice.Box->findData(m_columns.*choice.Field)));
    m_updating = false;
    FillPreview();
}

void CDialogCsvColumns::OnChanged()
{
    if (m_updating)
        return;
    for (const CChoice& choice : m_choices)
        m_columns.*choice.Field = choice.Box->currentData().toInt();
    if (m_heading->isChecked() != m_columns.HasHeading) {
        // The entries name the columns by heading or by first value.
        m_columns.HasHeading = m_heading->isChecked();
        ShowColumns();
        return;
    }
    FillPreview();
}

void CDialogCsvColumns::FillPreview()
{
    m_preview->DeleteAllRows();
    const std::vector<CCsvPreviewRow> rows = CsvPreview::Rows(m_journal, m_columns, kPreviewRows);
    bool allReadable = true;
    for (std::uint32_t index = 0; index < rows.size(); ++index) {
        const CCsvPreviewRow& row = rows[index];
        const std::uint32_t id = m_preview->AddRow(index);
        m_preview->SetCellNumber(id, 0, static_cast<double>(row.FileLine), ECellType::Integer);
        m_preview->SetCellText(id, 1, row.Date);
        m_preview->SetCellText(id, 2, row.Item);
        m_preview->SetCellText(id, 3, row.Quantity);
        m_preview->SetCellText(id, 4, row.Gross);
        m_preview->SetCellText(id, 5, row.Group);
        m_preview->SetCellText(id, 6, row.Note);
        allReadable = allReadable && !row.Unreadable;
    }
    m_preview->Fill();
    const bool complete = m_columns.IsComplete();
    m_ok->setEnabled(complete);
    m_state->setText(UiText(!complete     ? Text::kMissing
                            : allReadable ? Text::kAllReadable
                                          : Text::kSomeUnreadable));
}

void CDialogCsvColumns::accept()
{
    if (!m_columns.IsComplete())
        return;
    // The assignment holds for the next journal of the same layout; when the store refuses it,
    // the import still goes on with it.
    (void)m_memory.Remember(m_headings, m_columns);
    QDialog::accept();
}
