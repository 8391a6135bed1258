#include "DialogIngredientSupplier.h"

#include "catalogue/Data.h"
#include "pages/common/FieldLeaveWatcher.h"
#include "pages/common/FormFields.h"
#include "pages/common/NumberField.h"
#include "pages/common/PageHost.h"
#include "pages/ingredients/IngredientDialogParts.h"
#include "pages/ingredients/IngredientEditor.h"
#include "platform/qt/TextConversion.h"
#include "resources/GermanDialogTexts.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int kPricePrecision = 2;
constexpr int kAmountPrecision = -1;

} // namespace

CDialogIngredientSupplier::CDialogIngredientSupplier(CPageHost& host, const CIngredient& ingredient,
                                                     const CIngredientSupplier* supplier, QWidget* parent)
    : CEditDialog(host, "DialogIngredientSupplier", parent)
{
    setWindowTitle(UiText(DialogText::IngredientSupplier::kWindowTitle));
    setObjectName(QStringLiteral("dialogIngredientSupplier"));
    BuildForm(ingredient);
    FillNames();
    if (supplier) {
        m_amount = supplier->Amount;
        m_price = supplier->Price;
        FormFields::SetText(m_name, supplier->Name);
    }
    NumberField::Show(m_amountField, m_amount, kAmountPrecision);
    NumberField::Show(m_priceField, m_price, kPricePrecision);
}

void CDialogIngredientSupplier::BuildForm(const CIngredient& ingredient)
{
    m_name = FormFields::ComboField("supplierName", this);
    m_amountField = FormFields::TextField("amount", this);
    m_priceField = FormFields::TextField("price", this);
    auto* grid = new QGridLayout;
    FormFields::AddRow(grid, 0, 0, UiText(DialogText::IngredientSupplier::kName), m_name, 2);
    FormFields::AddRow(grid, 1, 0, UiText(DialogText::IngredientSupplier::kAmount), m_amountField);
    grid->addWidget(new QLabel(ToQString(ingredient.Unit), this), 1, 2);
    FormFields::AddRow(grid, 2, 0, UiText(DialogText::IngredientSupplier::kPrice), m_priceField);
    const CData* data = Host().GetData();
    grid->addWidget(new QLabel(ToQString(data ? data->CurrencyUnit : std::string()), this), 2, 2);
    grid->setColumnStretch(2, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    QBoxLayout* buttons = MakeButtonRow();
    IngredientDialogParts::BoxOkAndCancel(buttons, OkButton(), CancelButton());
    layout->addLayout(buttons);
    IngredientDialogParts::OfferNamesWithoutCompleting(m_name);
    IngredientDialogParts::ChainTabOrder({m_name, m_amountField, m_priceField,
                                          findChild<QWidget*>(QStringLiteral("helpButton")), OkButton(),
                                          CancelButton()});
    Watcher().Watch(m_priceField, [this] { LeavePrice(); });
    Watcher().Watch(m_amountField, [this] { ReadChanged(m_amountField, m_amount); });
}

void CDialogIngredientSupplier::FillNames()
{
    if (const CData* data = Host().GetData()) {
        for (const std::string& name : CIngredientEditor::SupplierNames(*data, nullptr))
            m_name->addItem(ToQString(name));
    }
    m_name->setEditText(QString());
}

std::string CDialogIngredientSupplier::Name() const
{
    return FormFields::Text(m_name);
}

// A field the user did not change keeps the entry's value: the price field shows only two
// decimals of it.
bool CDialogIngredientSupplier::ReadChanged(QLineEdit* field, double& value)
{
    if (!field->isModified())
        return true;
    if (!NumberField::Read(field, Host().Messages(), value))
        return false;
    field->setModified(false);
    return true;
}

void CDialogIngredientSupplier::LeavePrice()
{
    if (m_priceField->isModified() && ReadChanged(m_priceField, m_price))
        NumberField::Show(m_priceField, m_price, kPricePrecision);
}

bool CDialogIngredientSupplier::ReadNumbers()
{
    double amount = m_amount;
    double price = m_price;
    if ((m_amountField->isModified() &&
         !NumberField::ReadOnClose(m_amountField, Host().Messages(), amount)) ||
        (m_priceField->isModified() && !NumberField::ReadOnClose(m_priceField, Host().Messages(), price)))
        return false;
    m_amount = amount;
    m_price = price;
    return true;
}

// Any name goes, an empty one too; the numbers must read as numbers.
void CDialogIngredientSupplier::accept()
{
    if (ReadNumbers())
        CEditDialog::accept();
}
