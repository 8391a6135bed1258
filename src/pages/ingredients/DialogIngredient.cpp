#include "DialogIngredient.h"

#include "catalogue/Data.h"
#include "controls/ListCtrlEx.h"
#include "datafile/ProgramMessages.h"
#include "pages/common/FieldLeaveWatcher.h"
#include "pages/common/FormFields.h"
#include "pages/common/MessageText.h"
#include "pages/common/NumberField.h"
#include "pages/common/PageHost.h"
#include "pages/ingredients/DialogIngredientSupplier.h"
#include "pages/ingredients/DialogPriceImpact.h"
#include "pages/ingredients/IngredientDialogParts.h"
#include "platform/qt/TextConversion.h"
#include "resources/GermanDialogTexts.h"
#include "resources/StringIds.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kPricePrecision = 2;
constexpr int kAmountPrecision = -1;
constexpr int kColumnWidth = 90;
const QString kOptional = UiText(DialogText::Ingredient::kOptional);

} // namespace

CDialogIngredient::CDialogIngredient(CPageHost& host, CIngredient& copy, QWidget* parent)
    : CEditDialog(host, "DialogIngredients", parent), m_copy(copy), m_editor(copy)
{
    setWindowTitle(UiText(DialogText::Ingredient::kWindowTitle));
    setObjectName(QStringLiteral("dialogIngredient"));
    BuildForm();
    m_editor.EnsureUsedSupplier();
    FormFields::SetText(m_name, copy.Name);
    FormFields::SetText(m_unit, copy.Unit);
    m_amountUnit->setText(m_unit->text());
    FillGroups();
    ShowUsed();
    AddColumns();
    m_list->LoadLayout(host.Profile(), kLayoutSection, kLayoutEntry);
    FillSuppliers();
    WatchFields();
    m_name->setFocus();
}

void CDialogIngredient::BuildForm()
{
    m_name = FormFields::TextField("name", this);
    m_group = FormFields::ComboField("group", this);
    m_unit = FormFields::TextField("unit", this);
    auto* grid = new QGridLayout;
    FormFields::AddRow(grid, 0, 0, UiText(DialogText::Ingredient::kName), m_name);
    FormFields::AddRow(grid, 1, 0, UiText(DialogText::Ingredient::kGroup), m_group);
    grid->addWidget(new QLabel(kOptional, this), 1, 2);
    FormFields::AddRow(grid, 2, 0, UiText(DialogText::Ingredient::kUnit), m_unit);
    grid->addWidget(new QLabel(UiText(DialogText::Ingredient::kUnitExample), this), 2, 2);
    grid->setColumnStretch(1, 1);
    m_list = new CListCtrlEx(this);
    m_list->setObjectName(QStringLiteral("supplierList"));
    // Its commands act on one supplier.
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setMinimumSize(4 * kColumnWidth + 8, 110);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(BuildPurchaseBox());
    layout->addWidget(m_list, 1);
    layout->addWidget(BuildSupplierButtons());
    QBoxLayout* buttons = MakeButtonRow();
    IngredientDialogParts::BoxOkAndCancel(buttons, OkButton(), CancelButton());
    layout->addLayout(buttons);
    IngredientDialogParts::OfferNamesWithoutCompleting(m_group);
    IngredientDialogParts::OfferNamesWithoutCompleting(m_supplier);
    IngredientDialogParts::ChainTabOrder({m_name, m_group, m_unit, m_amount, m_price, m_impact, m_supplier,
                                          m_list, findChild<QWidget*>(QStringLiteral("addSupplier")),
                                          findChild<QWidget*>(QStringLiteral("changeSupplier")),
                                          findChild<QWidget*>(QStringLiteral("deleteSupplier")),
                                          findChild<QWidget*>(QStringLiteral("helpButton")), OkButton(),
                                          CancelButton()});
}

QWidget* CDialogIngredient::BuildPurchaseBox()
{
    auto* box = new QGroupBox(UiText(DialogText::Ingredient::kPurchaseBox), this);
    m_amount = FormFields::TextField("amount", box);
    m_amount->setAlignment(Qt::AlignRight);
    m_price = FormFields::TextField("price", box);
    m_price->setAlignment(Qt::AlignRight);
    m_supplier = FormFields::ComboField("supplier", box);
    m_amountUnit = new QLabel(box);
    m_amountUnit->setObjectName(QStringLiteral("amountUnit"));
    const CData* data = Host().GetData();
    auto* grid = new QGridLayout(box);
    FormFields::AddRow(grid, 0, 0, UiText(DialogText::Ingredient::kAmount), m_amount);
    grid->addWidget(m_amountUnit, 0, 2);
    FormFields::AddRow(grid, 1, 0, UiText(DialogText::Ingredient::kPrice), m_price);
    grid->addWidget(new QLabel(ToQString(data ? data->CurrencyUnit : std::string()), box), 1, 2);
    m_impact = FormFields::Button(UiText(DialogText::Ingredient::kImpact), "impactButton", box, false);
    m_impact->setEnabled(false);
    connect(m_impact, &QPushButton::clicked, this, &CDialogIngredient::ShowImpact);
    grid->addWidget(m_impact, 1, 3);
    FormFields::AddRow(grid, 2, 0, UiText(DialogText::Ingredient::kSupplier), m_supplier, 2);
    grid->addWidget(
        new QLabel(kOptional + QLatin1Char('\n') + UiText(DialogText::Ingredient::kSeveralSuppliers), box), 3,
        1, 1, 2);
    grid->setColumnStretch(2, 1);
    return box;
}

QWidget* CDialogIngredient::BuildSupplierButtons()
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    QPushButton* add =
        FormFields::Button(UiText(DialogText::Ingredient::kAddSupplier), "addSupplier", row, false);
    QPushButton* change =
        FormFields::Button(UiText(DialogText::Ingredient::kChangeSupplier), "changeSupplier", row, false);
    QPushButton* remove =
        FormFields::Button(UiText(DialogText::Ingredient::kDeleteSupplier), "deleteSupplier", row, false);
    for (QPushButton* button : {add, change, remove})
        layout->addWidget(button);
    layout->addStretch(1);
    connect(add, &QPushButton::clicked, this, &CDialogIngredient::AddSupplier);
    connect(change, &QPushButton::clicked, this, qOverload<>(&CDialogIngredient::ChangeSupplier));
    connect(remove, &QPushButton::clicked, this, &CDialogIngredient::DeleteSupplier);
    return row;
}

void CDialogIngredient::WatchFields()
{
    Watcher().Watch(m_unit, [this] { LeaveUnit(); });
    Watcher().Watch(m_amount, [this] { LeaveAmount(); });
    Watcher().Watch(m_price, [this] { LeavePrice(); });
    Watcher().Watch(m_supplier, [this] { LeaveSupplier(); });
    connect(m_supplier, qOverload<int>(&QComboBox::activated), this, &CDialogIngredient::ChooseSupplier);
    for (QLineEdit* field : {m_amount, m_price})
        connect(field, &QLineEdit::textEdited, this, &CDialogIngredient::UpdateImpactButton);
    connect(m_list, &CListCtrlEx::SelectionChanged, this, &CDialogIngredient::OnSelectionChanged);
    connect(m_list, &CListCtrlEx::RowDoubleClicked, this, &CDialogIngredient::OnDoubleClick);
}

void CDialogIngredient::AddColumns()
{
    const int ids[] = {StringId::kSupplierHeader, StringId::kPricePerUnitHeader, StringId::kPriceHeader,
                       StringId::kAmountHeader};
    for (int column = 0; column < 4; ++column)
        m_list->InsertColumnById(column, ids[column], EColumnFormat::Left, kColumnWidth);
}

void CDialogIngredient::FillGroups()
{
    if (const CData* data = Host().GetData()) {
        for (const std::string& name : CIngredientEditor::GroupNames(*data))
            m_group->addItem(ToQString(name));
    }
    FormFields::SetText(m_group, m_copy.Group);
}

// One row per supplier entry, the used one selected; the fields follow the used entry.
void CDialogIngredient::FillSuppliers()
{
    m_filling = true;
    FillSupplierNames();
    m_list->DeleteAllRows();
    std::uint32_t usedRow = 0;
    for (const CIngredientSupplier& supplier : m_copy.Suppliers) {
        const std::uint32_t row = m_list->AddRow(static_cast<std::uint32_t>(supplier.Id));
        if (&supplier == m_editor.Used())
            usedRow = row;
        m_list->SetCellText(row, 0, supplier.Name);
        m_list->SetCellNumber(row, 1, supplier.GetPricePerUnit(), ECellType::TwoDecimals);
        m_list->SetCellNumber(row, 2, supplier.Price, ECellType::TwoDecimals);
        m_list->SetCellNumber(row, 3, supplier.Amount, ECellType::General);
    }
    m_list->Fill();
    m_list->Sort();
    if (usedRow != 0)
        m_list->SelectRowById(usedRow);
    m_filling = false;
    UpdateImpactButton();
}

void CDialogIngredient::FillSupplierNames()
{
    m_supplier->clear();
    if (const CData* data = Host().GetData()) {
        for (const std::string& name : CIngredientEditor::SupplierNames(*data, &m_copy))
            m_supplier->addItem(ToQString(name));
    }
    const QString used = ToQString(m_editor.Used() ? m_editor.Used()->Name : std::string());
    m_supplier->setCurrentIndex(m_supplier->findText(used));
    m_supplier->setEditText(used);
}

void CDialogIngredient::ShowUsed()
{
    const CIngredientSupplier* used = m_editor.Used();
    NumberField::Show(m_amount, used ? used->Amount : 0.0, kAmountPrecision);
    NumberField::Show(m_price, used ? used->Price : 0.0, kPricePrecision);
    m_price->selectAll();
}

void CDialogIngredient::LeaveUnit()
{
    m_copy.Unit = FormFields::Text(m_unit);
    m_amountUnit->setText(m_unit->text());
}

// A field the user did not change leaves the used supplier's figure alone: the price field
// shows only two decimals of it.
void CDialogIngredient::LeaveAmount()
{
    double amount = 0.0;
    if (!m_amount->isModified() || !NumberField::Read(m_amount, Host().Messages(), amount))
        return;
    m_editor.SetUsedAmount(amount);
    m_amount->setModified(false);
    FillSuppliers();
}

void CDialogIngredient::LeavePrice()
{
    double price = 0.0;
    if (!m_price->isModified() || !NumberField::Read(m_price, Host().Messages(), price))
        return;
    m_editor.SetUsedPrice(price);
    NumberField::Show(m_price, price, kPricePrecision);
    FillSuppliers();
}

void CDialogIngredient::LeaveSupplier()
{
    m_editor.SetUsedName(FormFields::Text(m_supplier));
    FillSuppliers();
}

void CDialogIngredient::ChooseSupplier(int index)
{
    if (m_editor.ChooseSupplier(FromQStringLossy(m_supplier->itemText(index))))
        ShowUsed();
    FillSuppliers();
}

// A click beside the rows leaves none selected: the used supplier is selected again.
void CDialogIngredient::OnSelectionChanged()
{
    if (!m_filling && m_list->GetSelectedRowId() == 0)
        FillSuppliers();
}

void CDialogIngredient::OnDoubleClick(std::uint32_t rowId, Qt::KeyboardModifiers modifiers)
{
    const CListRow* row = m_list->GetData().FindRow(rowId);
    CIngredientSupplier* supplier = row ? m_editor.SupplierById(static_cast<int>(row->UserData)) : nullptr;
    if (!supplier)
        return;
    m_editor.MakeUsed(supplier);
    ShowUsed();
    FillSuppliers();
    if (!(modifiers & Qt::ControlModifier))
        ChangeSupplier(supplier);
}

void CDialogIngredient::AddSupplier()
{
    CDialogIngredientSupplier dialog(Host(), m_copy, nullptr, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (m_editor.AddSupplier(dialog.Name(), dialog.Amount(), dialog.Price()))
        ShowUsed();
    FillSuppliers();
}

void CDialogIngredient::ChangeSupplier()
{
    if (CIngredientSupplier* supplier = SelectedSupplier())
        ChangeSupplier(supplier);
}

// The fields show the used entry; when that is the one changed they show its new values.
void CDialogIngredient::ChangeSupplier(CIngredientSupplier* supplier)
{
    CDialogIngredientSupplier dialog(Host(), m_copy, supplier, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    supplier->Name = dialog.Name();
    supplier->Amount = dialog.Amount();
    supplier->Price = dialog.Price();
    if (supplier == m_editor.Used())
        ShowUsed();
    FillSuppliers();
}

void CDialogIngredient::DeleteSupplier()
{
    CIngredientSupplier* supplier = SelectedSupplier();
    if (!supplier)
        return;
    if (!m_editor.CanDeleteSupplier(supplier)) {
        CProgramMessages::Show(Host().Messages(), StringId::kSupplierInUse);
        return;
    }
    if (!CProgramMessages::AskYesNo(Host().Messages(),
                                    MessageText::WithName(StringId::kDeleteSupplierQuestion, supplier->Name)))
        return;
    m_editor.DeleteSupplier(supplier);
    FillSuppliers();
}

CIngredientSupplier* CDialogIngredient::SelectedSupplier() const
{
    const auto userData = m_list->GetSelectedUserData();
    return userData ? m_editor.SupplierById(static_cast<int>(*userData)) : nullptr;
}

// What the user changed in the fields of the used supplier goes into it, as leaving them would
// have done; an untouched figure keeps its stored value.
bool CDialogIngredient::ReadUsedFields()
{
    double amount = 0.0;
    double price = 0.0;
    const bool amountChanged = m_amount->isModified();
    const bool priceChanged = m_price->isModified();
    if ((amountChanged && !NumberField::ReadOnClose(m_amount, Host().Messages(), amount)) ||
        (priceChanged && !NumberField::ReadOnClose(m_price, Host().Messages(), price)))
        return false;
    if (amountChanged)
        m_editor.SetUsedAmount(amount);
    if (priceChanged)
        m_editor.SetUsedPrice(price);
    m_editor.SetUsedName(FormFields::Text(m_supplier));
    return true;
}

void CDialogIngredient::SetOriginal(const CIngredient* original)
{
    m_original = original;
    UpdateImpactButton();
}

void CDialogIngredient::UpdateImpactButton()
{
    if (!m_impact)
        return;
    const bool changed = m_original && (m_amount->isModified() || m_price->isModified() ||
                                        m_copy.GetPrice() != m_original->GetPrice() ||
                                        m_copy.GetAmount() != m_original->GetAmount());
    m_impact->setEnabled(changed);
}

// What is typed in the price and amount fields counts, as leaving them would store it.
void CDialogIngredient::ShowImpact()
{
    if (!m_original)
        return;
    if (m_amount->isModified())
        LeaveAmount();
    if (m_price->isModified())
        LeavePrice();
    if (m_amount->isModified() || m_price->isModified())
        return;
    CDialogPriceImpact dialog(Host(), *m_original, m_copy, this);
    dialog.exec();
}

void CDialogIngredient::accept()
{
    if (!ReadUsedFields())
        return;
    const std::string name = CIngredientEditor::Trim(FormFields::Text(m_name));
    const std::string unit = CIngredientEditor::Trim(FormFields::Text(m_unit));
    if (!CIngredientEditor::IsComplete(name, unit)) {
        CProgramMessages::Show(Host().Messages(), StringId::kIngredientIncomplete);
        return;
    }
    m_copy.Name = name;
    m_copy.Unit = unit;
    m_copy.Group = FormFields::Text(m_group);
    m_list->SaveLayout(Host().Profile(), kLayoutSection, kLayoutEntry);
    CEditDialog::accept();
}

bool CDialogIngredient::ChangeStored(CPageHost& host, CIngredient& ingredient, QWidget* parent)
{
    CIngredient copy(ingredient.Owner);
    if (!copy.CopyFrom(ingredient))
        return false;
    CDialogIngredient dialog(host, copy, parent);
    dialog.SetOriginal(&ingredient);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    // A failed copy (out of memory) has been reported; the caller shows what is stored.
    static_cast<void>(ingredient.CopyFrom(copy));
    return true;
}
