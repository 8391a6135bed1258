#include "DialogIngredientList.h"

#include "catalogue/Data.h"
#include "controls/DialogHelp.h"
#include "datafile/ProgramMessages.h"
#include "pages/common/FormFields.h"
#include "pages/common/NumberField.h"
#include "pages/common/PageHost.h"
#include "platform/qt/TextConversion.h"
#include "resources/GermanDialogTexts.h"
#include "resources/StringIds.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>

namespace {

// The characters a stock is typed with; every other character searches by name.
const QString kNumberCharacters = QStringLiteral("0123456789.,-+");

constexpr int kColumnWidths[] = {240, 100, 100, 70, 100};
constexpr const char* kColumnNames[] = {"name", "pricePerUnit", "stock", "unit", "value"};

bool IsNumberText(const QString& text)
{
    for (const QChar character : text) {
        if (!kNumberCharacters.contains(character))
            return false;
    }
    return true;
}

// Printable text typed without Ctrl, Alt or Meta: shortcuts such as Ctrl+V stay with the field.
bool IsTypedCharacter(const QString& text, Qt::KeyboardModifiers modifiers)
{
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    return !text.isEmpty() && text.at(0).isPrint();
}

QString CurrencyOf(const CData* data)
{
    return ToQString(data ? data->CurrencyUnit : std::string());
}

QWidget* HeaderWithCurrency(const QString& text, const char* objectName, const QString& currency,
                            QWidget* parent)
{
    auto* header = new QWidget(parent);
    auto* layout = new QHBoxLayout(header);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch(1);
    layout->addWidget(new QLabel(text, header));
    auto* label = new QLabel(currency, header);
    label->setObjectName(QString::fromLatin1(objectName));
    layout->addWidget(label);
    return header;
}

} // namespace

void CDialogIngredientList::Run(CPageHost& host, QWidget* parent)
{
    CData* data = host.GetData();
    if (!data)
        return;
    data->SortIngredients("Name", true);
    CDialogIngredientList dialog(host, parent);
    dialog.exec();
}

CDialogIngredientList::CDialogIngredientList(CPageHost& host, QWidget* parent)
    : QDialog(parent), m_host(host), m_entry(*host.GetData(), host.Clock())
{
    setWindowTitle(UiText(DialogText::Stock::kWindowTitle));
    setObjectName(QStringLiteral("dialogIngredientList"));
    BuildForm();
    ShowRows();
    m_stock->setFocus();
}

void CDialogIngredientList::BuildForm()
{
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(BuildRows());
    layout->addLayout(BuildFooter());
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QLayout* CDialogIngredientList::BuildRows()
{
    const QString currency = CurrencyOf(m_host.GetData());
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(4);
    for (int row = 0; row < CStockEntry::kNbRows; ++row) {
        for (int column = 0; column < kNbColumns; ++column)
            grid->addWidget(MakeField(row, static_cast<EColumn>(column)), row + 1, column);
    }
    m_stock = Field(CStockEntry::kCurrentRow, EColumn::Stock);
    m_stock->setAttribute(Qt::WA_InputMethodEnabled, false); // composed text arrives as key presses
    for (const EColumn column : {EColumn::PricePerUnit, EColumn::Stock, EColumn::Value})
        FitFigureColumn(column);
    grid->addWidget(new QLabel(UiText(DialogText::Stock::kName), this), 0, static_cast<int>(EColumn::Name));
    grid->addWidget(
        HeaderWithCurrency(UiText(DialogText::Stock::kPricePerUnit), "priceCurrency", currency, this), 0,
        static_cast<int>(EColumn::PricePerUnit));
    grid->addWidget(FormFields::Label(UiText(DialogText::Stock::kStock), m_stock, this), 0,
                    static_cast<int>(EColumn::Stock), Qt::AlignRight);
    grid->addWidget(HeaderWithCurrency(UiText(DialogText::Stock::kValue), "valueCurrency", currency, this), 0,
                    static_cast<int>(EColumn::Value));
    m_scrollBar = new QScrollBar(Qt::Vertical, this);
    m_scrollBar->setObjectName(QStringLiteral("scrollBar"));
    m_scrollBar->setRange(0, std::max(0, m_entry.Count() - 1));
    m_scrollBar->setSingleStep(1);
    m_scrollBar->setPageStep(CStockEntry::kPageStep);
    m_scrollBar->setFocusPolicy(Qt::NoFocus);
    connect(m_scrollBar, &QScrollBar::actionTriggered, this, &CDialogIngredientList::OnScrollAction);
    grid->addWidget(m_scrollBar, 1, kNbColumns, CStockEntry::kNbRows, 1);
    grid->setColumnStretch(static_cast<int>(EColumn::Name), 1);
    return grid;
}

// Read-only fields take no focus, so Tab goes between the stock field and the buttons only.
QLineEdit* CDialogIngredientList::MakeField(int row, EColumn column)
{
    const int index = static_cast<int>(column);
    const bool editable = row == CStockEntry::kCurrentRow && column == EColumn::Stock;
    QLineEdit* field = FormFields::TextField(kColumnNames[index], this);
    field->setObjectName(QStringLiteral("%1%2").arg(QString::fromLatin1(kColumnNames[index])).arg(row + 1));
    if (column == EColumn::Name)
        field->setMinimumWidth(kColumnWidths[index]);
    else
        field->setFixedWidth(kColumnWidths[index]);
    field->setReadOnly(!editable);
    field->setFocusPolicy(editable ? Qt::StrongFocus : Qt::NoFocus);
    if (column != EColumn::Name && column != EColumn::Unit)
        field->setAlignment(Qt::AlignRight);
    if (row == CStockEntry::kCurrentRow) {
        QFont font = field->font();
        font.setBold(true);
        field->setFont(font);
    }
    if (editable)
        field->installEventFilter(this);
    m_fields[row][index] = field;
    return field;
}

// Every row of a figure column gets one width, wide enough for the widest figure in the bold
// middle row, so that the columns stay aligned.
void CDialogIngredientList::FitFigureColumn(EColumn column)
{
    int width = kColumnWidths[static_cast<int>(column)];
    for (int row = 0; row < CStockEntry::kNbRows; ++row)
        width = std::max(width, FormFields::WidthToShow(Field(row, column), NumberField::WidestFigure()));
    for (int row = 0; row < CStockEntry::kNbRows; ++row)
        Field(row, column)->setFixedWidth(width);
}

QLayout* CDialogIngredientList::BuildFooter()
{
    m_total = new QLineEdit(this);
    m_total->setObjectName(QStringLiteral("total"));
    m_total->setReadOnly(true);
    m_total->setFocusPolicy(Qt::NoFocus);
    m_total->setAlignment(Qt::AlignRight);
    m_total->setFixedWidth(Field(0, EColumn::Value)->minimumWidth());
    m_ok = new QPushButton(UiText(DialogText::Common::kOk), this);
    m_ok->setObjectName(QStringLiteral("okButton"));
    m_ok->setAutoDefault(false);
    connect(m_ok, &QPushButton::clicked, this, &CDialogIngredientList::accept);
    CDialogHelp::Attach(*this, [this] { m_host.OpenHelp(m_host.HelpAddress(kHelpAnchor)); });
    QDialogButtonBox* buttons = FormFields::ButtonBox(this, {{m_ok, QDialogButtonBox::AcceptRole}});
    auto* total = new QHBoxLayout;
    total->addStretch(1);
    total->addWidget(new QLabel(UiText(DialogText::Stock::kTotal), this));
    total->addWidget(m_total);
    total->addWidget(new QLabel(CurrencyOf(m_host.GetData()), this));
    auto* footer = new QVBoxLayout;
    footer->addLayout(total);
    footer->addWidget(buttons);
    FormFields::SetTabOrder({m_stock, buttons});
    return footer;
}

bool CDialogIngredientList::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_stock && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (OnStockKey(key->key(), key->text(), key->modifiers()))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

// True when the key was used here; number characters and editing keys go to the field.
bool CDialogIngredientList::OnStockKey(int key, const QString& text, Qt::KeyboardModifiers modifiers)
{
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_PageUp:
        AfterMove(m_entry.MoveUp(Typed()));
        return true;
    case Qt::Key_Down:
    case Qt::Key_PageDown:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        AfterMove(m_entry.MoveDown(Typed()));
        return true;
    default:
        break;
    }
    if (!IsTypedCharacter(text, modifiers) || IsNumberText(text))
        return false;
    bool ok = false;
    AfterMove(m_entry.TypeAhead(FromQString(text, &ok), Typed()));
    return true;
}

void CDialogIngredientList::wheelEvent(QWheelEvent* event)
{
    constexpr int kNotch = 120;
    m_wheelDelta += event->angleDelta().y();
    for (; m_wheelDelta >= kNotch; m_wheelDelta -= kNotch)
        OnScrollAction(QAbstractSlider::SliderSingleStepSub);
    for (; m_wheelDelta <= -kNotch; m_wheelDelta += kNotch)
        OnScrollAction(QAbstractSlider::SliderSingleStepAdd);
    event->accept();
}

void CDialogIngredientList::OnScrollAction(int action)
{
    using EScroll = CStockEntry::EScroll;
    bool moved = false;
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub:
        moved = m_entry.Scroll(EScroll::LineUp, 0, Typed());
        break;
    case QAbstractSlider::SliderSingleStepAdd:
        moved = m_entry.Scroll(EScroll::LineDown, 0, Typed());
        break;
    case QAbstractSlider::SliderPageStepSub:
        moved = m_entry.Scroll(EScroll::PageUp, 0, Typed());
        break;
    case QAbstractSlider::SliderPageStepAdd:
        moved = m_entry.Scroll(EScroll::PageDown, 0, Typed());
        break;
    case QAbstractSlider::SliderMove:
        moved = m_entry.Scroll(EScroll::Thumb, m_scrollBar->sliderPosition(), Typed());
        break;
    case QAbstractSlider::SliderToMinimum:
        moved = m_entry.Scroll(EScroll::Top, 0, Typed());
        break;
    case QAbstractSlider::SliderToMaximum:
        moved = m_entry.Scroll(EScroll::Bottom, 0, Typed());
        break;
    default:
        break;
    }
    AfterMove(moved);
    // The bar shows the current ingredient, also when the move was refused.
    m_scrollBar->setSliderPosition(std::max(0, m_entry.Current()));
}

void CDialogIngredientList::AfterMove(bool moved)
{
    if (moved)
        ShowRows();
}

void CDialogIngredientList::ShowRows()
{
    for (int row = 0; row < CStockEntry::kNbRows; ++row) {
        const CStockEntry::CRow texts = m_entry.Row(row);
        const std::string* values[] = {&texts.Name, &texts.PricePerUnit, &texts.Stock, &texts.Unit,
                                       &texts.Value};
        for (int column = 0; column < kNbColumns; ++column)
            FormFields::SetText(m_fields[row][column], *values[column]);
    }
    FormFields::SetText(m_stock, m_entry.ShownStock());
    m_stock->selectAll();
    m_stock->setEnabled(m_entry.Current() >= 0);
    m_scrollBar->setValue(std::max(0, m_entry.Current()));
    FormFields::SetText(m_total, m_entry.TotalText());
}

std::string CDialogIngredientList::Typed() const
{
    return FromQStringLossy(m_stock->text());
}

void CDialogIngredientList::accept()
{
    if (!m_entry.Store(Typed())) {
        CProgramMessages::Show(m_host.Messages(), StringId::kEnterNumber);
        m_stock->setFocus(Qt::OtherFocusReason);
        m_stock->selectAll();
        return;
    }
    QDialog::accept();
}

void CDialogIngredientList::reject()
{
    accept();
}
