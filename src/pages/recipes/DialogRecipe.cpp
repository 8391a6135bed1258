#include "DialogRecipe.h"

#include "catalogue/Data.h"
#include "catalogue/NumberText.h"
#include "controls/ListCtrlEx.h"
#include "datafile/ProgramMessages.h"
#include "pages/common/CodePageTextEdit.h"
#include "pages/common/FieldLeaveWatcher.h"
#include "pages/common/FormFields.h"
#include "pages/common/MessageText.h"
#include "pages/common/NumberField.h"
#include "pages/common/PageHost.h"
#include "pages/recipes/DialogQuantityCalculation.h"
#include "pages/recipes/DialogRecipeIngredient.h"
#include "pages/recipes/PictureCtrl.h"
#include "pages/recipes/RecipeFigures.h"
#include "pages/recipes/RecipeFiguresBox.h"
#include "pages/recipes/RecipeLineList.h"
#include "platform/FileDialogService.h"
#include "platform/qt/TextConversion.h"
#include "print/RecipePrintRequest.h"
#include "resources/GermanDialogTexts.h"
#include "resources/StringIds.h"
#include "resources/StringTables.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QVBoxLayout>

namespace {

constexpr int kPricePrecision = 2;
constexpr int kPortionsPrecision = -1;

enum class ERead { Quietly, OnLeave, OnClose };

// Reads a number field into `value`. A field that still shows `value` as it was put there
// leaves it as it is, so that showing a price with two decimals never rounds the stored one.
bool ReadField(QLineEdit* field, int precision, CMessageService& messages, ERead how, double& value)
{
    if (field->text() == ToQString(NumberText::Format(value, precision)))
        return true;
    switch (how) {
    case ERead::Quietly:
        return NumberField::ReadQuietly(field, value);
    case ERead::OnLeave:
        return NumberField::Read(field, messages, value);
    case ERead::OnClose:
        return NumberField::ReadOnClose(field, messages, value);
    }
    return false;
}

} // namespace

CDialogRecipe::CDialogRecipe(CPageHost& host, CRecipe& working, const CRecipe* original, QWidget* parent)
    : CEditDialog(host, "DialogRecipe", parent), m_working(working), m_editor(working, original)
{
    setWindowTitle(UiText(DialogText::Recipe::kWindowTitle));
    setObjectName(QStringLiteral("dialogRecipe"));
    BuildForm();
    ShowRecipe();
    RecipeLineList::AddColumns(*m_list);
    m_list->LoadLayout(host.Profile(), RecipeLineList::kLayoutSection, RecipeLineList::kLayoutEntry);
    FormFields::FitToColumns(m_list);
    m_picture->Load(host.DataDirectory(), working.PictureFilename);
    FillLines();
    WatchFields();
    m_name->setFocus();
}

// Left the recipe and its lines, right the picture, the figures, the quantity calculation and
// printing.
void CDialogRecipe::BuildForm()
{
    m_list = new CListCtrlEx(this);
    m_list->setObjectName(QStringLiteral("lineList"));
    m_list->setMinimumSize(560, 200);
    auto* left = new QVBoxLayout;
    left->addLayout(BuildRecipeFields());
    left->addWidget(m_list, 1);
    left->addWidget(BuildLineButtons());
    m_figures = new CRecipeFiguresBox(Host().GetData(), this);
    auto* right = new QVBoxLayout;
    right->addWidget(BuildPictureBox(), 1);
    right->addWidget(m_figures);
    right->addWidget(BuildQuantityBox());
    right->addWidget(BuildPrintBox());
    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 3);
    columns->addLayout(right, 2);
    QDialogButtonBox* buttons = FormFields::ButtonBox(
        this, {{OkButton(), QDialogButtonBox::AcceptRole}, {CancelButton(), QDialogButtonBox::RejectRole}});
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addWidget(buttons);
    SetTabOrder(buttons);
}

// Left column top down, then the right one, then the dialog's buttons.
void CDialogRecipe::SetTabOrder(QWidget* buttons)
{
    const auto child = [this](const char* name) { return findChild<QWidget*>(QString::fromLatin1(name)); };
    FormFields::SetTabOrder({m_name, m_portions, m_dish, m_asIngredient, m_remark, m_list, child("addLine"),
                             child("changeLine"), child("deleteLine"), child("moveUp"), child("moveDown"),
                             child("openPicture"), child("deletePicture"), m_figures->FirstField()});
    FormFields::SetTabOrder({m_figures->LastField(), m_quantity, child("calculateQuantity"),
                             child("printCalculation"), child("printRecipeSheet"), buttons});
}

QLayout* CDialogRecipe::BuildRecipeFields()
{
    m_name = FormFields::TextField("name", this);
    m_portions = FormFields::TextField("portions", this);
    m_portions->setAlignment(Qt::AlignRight);
    m_dish = new QCheckBox(UiText(DialogText::Recipe::kDish), this);
    m_dish->setObjectName(QStringLiteral("dish"));
    m_asIngredient = new QCheckBox(UiText(DialogText::Recipe::kAsIngredient), this);
    m_asIngredient->setObjectName(QStringLiteral("asIngredient"));
    m_remark = new CCodePageTextEdit(this);
    m_remark->setObjectName(QStringLiteral("remark"));
    m_remark->setMaximumHeight(90);
    auto* grid = new QGridLayout;
    FormFields::AddRow(grid, 0, 0, UiText(DialogText::Recipe::kName), m_name, 2);
    FormFields::AddRow(grid, 1, 0, UiText(DialogText::Recipe::kPortions), m_portions);
    grid->addWidget(m_dish, 2, 0, 1, 3);
    grid->addWidget(m_asIngredient, 3, 0, 1, 3);
    FormFields::AddRow(grid, 4, 0, UiText(DialogText::Recipe::kRemark), m_remark, 2);
    grid->setColumnStretch(2, 1);
    connect(m_dish, &QCheckBox::clicked, this, &CDialogRecipe::ClickDish);
    return grid;
}

QWidget* CDialogRecipe::BuildLineButtons()
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    QPushButton* add = FormFields::Button(UiText(DialogText::Recipe::kAddLine), "addLine", row, false);
    QPushButton* change =
        FormFields::Button(UiText(DialogText::Recipe::kChangeLine), "changeLine", row, false);
    QPushButton* remove =
        FormFields::Button(UiText(DialogText::Recipe::kDeleteLine), "deleteLine", row, false);
    QPushButton* up = FormFields::Button(QString(), "moveUp", row, false);
    QPushButton* down = FormFields::Button(QString(), "moveDown", row, false);
    up->setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
    up->setToolTip(UiText(DialogText::Recipe::kMoveUpTip));
    up->setAccessibleName(ToQString(CStringTables::Load(StringId::kMoveLineUp)));
    down->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
    down->setToolTip(UiText(DialogText::Recipe::kMoveDownTip));
    down->setAccessibleName(ToQString(CStringTables::Load(StringId::kMoveLineDown)));
    for (QPushButton* button : {add, change, remove})
        layout->addWidget(button);
    layout->addStretch(1);
    layout->addWidget(up);
    layout->addWidget(down);
    connect(add, &QPushButton::clicked, this, &CDialogRecipe::AddLine);
    connect(change, &QPushButton::clicked, this, &CDialogRecipe::ChangeLine);
    connect(remove, &QPushButton::clicked, this, &CDialogRecipe::DeleteLine);
    connect(up, &QPushButton::clicked, this, &CDialogRecipe::MoveLineUp);
    connect(down, &QPushButton::clicked, this, &CDialogRecipe::MoveLineDown);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Up), m_list, nullptr, nullptr, Qt::WidgetShortcut),
            &QShortcut::activated, this, &CDialogRecipe::MoveLineUp);
    connect(
        new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Down), m_list, nullptr, nullptr, Qt::WidgetShortcut),
        &QShortcut::activated, this, &CDialogRecipe::MoveLineDown);
    connect(m_list, &CListCtrlEx::RowOpened, this, [this] { ChangeLine(); });
    return row;
}

QWidget* CDialogRecipe::BuildPictureBox()
{
    auto* box = new QWidget(this);
    m_picture = new CPictureCtrl(box);
    m_picture->setObjectName(QStringLiteral("picture"));
    m_picture->setMinimumSize(240, 160);
    QPushButton* open =
        FormFields::Button(UiText(DialogText::Recipe::kOpenPicture), "openPicture", box, false);
    QPushButton* remove =
        FormFields::Button(UiText(DialogText::Recipe::kDeletePicture), "deletePicture", box, false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(open);
    buttons->addWidget(remove);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_picture, 1);
    layout->addLayout(buttons);
    connect(open, &QPushButton::clicked, this, &CDialogRecipe::OpenPicture);
    connect(remove, &QPushButton::clicked, this, &CDialogRecipe::DeletePicture);
    return box;
}

QWidget* CDialogRecipe::BuildQuantityBox()
{
    auto* box = new QGroupBox(UiText(DialogText::Recipe::kQuantityBox), this);
    m_quantity = FormFields::TextField("quantityPortions", box);
    m_quantity->setAlignment(Qt::AlignRight);
    NumberField::Show(m_quantity, 1.0, kPortionsPrecision);
    QPushButton* calculate =
        FormFields::Button(UiText(DialogText::Recipe::kCalculate), "calculateQuantity", box, false);
    auto* layout = new QHBoxLayout(box);
    layout->addWidget(FormFields::Label(UiText(DialogText::Recipe::kQuantityPortions), m_quantity, box));
    layout->addWidget(m_quantity, 1);
    layout->addWidget(calculate);
    connect(calculate, &QPushButton::clicked, this, &CDialogRecipe::CalculateQuantity);
    return box;
}

// Greyed while the program cannot print, so that the buttons are never silently dead.
QWidget* CDialogRecipe::BuildPrintBox()
{
    auto* box = new QGroupBox(UiText(DialogText::Recipe::kPrintBox), this);
    QPushButton* calculation =
        FormFields::Button(UiText(DialogText::Recipe::kPrintCalculation), "printCalculation", box, false);
    QPushButton* sheet =
        FormFields::Button(UiText(DialogText::Recipe::kPrintSheet), "printRecipeSheet", box, false);
    auto* layout = new QHBoxLayout(box);
    layout->addWidget(calculation);
    layout->addWidget(sheet);
    for (QPushButton* button : {calculation, sheet})
        button->setEnabled(Host().CanPrint());
    connect(calculation, &QPushButton::clicked, this, [this] {
        Print({ERecipeSheet::Calculation, false, m_working.NbPortion});
    });
    connect(sheet, &QPushButton::clicked, this, [this] {
        Print({ERecipeSheet::Recipe, false, m_working.NbPortion});
    });
    return box;
}

void CDialogRecipe::WatchFields()
{
    Watcher().Watch(m_name, [this] { Recompute(); });
    Watcher().Watch(m_portions, [this] { LeavePortions(); });
    Watcher().Watch(m_figures->PriceSellField(), [this] { LeavePrice(); });
    Watcher().Watch(m_quantity, [this] { Recompute(); });
}

void CDialogRecipe::ShowRecipe()
{
    FormFields::SetText(m_name, m_working.Name);
    NumberField::Show(m_portions, m_working.NbPortion, kPortionsPrecision);
    m_dish->setChecked(m_working.UseForSale != 0);
    m_asIngredient->setChecked(m_working.UseAsIngredient != 0);
    m_remark->setPlainText(ToQString(m_working.Comment));
    NumberField::Show(m_figures->PriceSellField(), m_working.PriceSell, kPricePrecision);
}

// Rows in the order of the lines; the figures follow the lines.
void CDialogRecipe::FillLines(int selectLineId)
{
    const std::uint32_t row = RecipeLineList::Fill(*m_list, m_working, 1.0, selectLineId);
    if (row != 0)
        m_list->SelectRowById(row);
    Recompute();
}

void CDialogRecipe::Recompute()
{
    ReadFieldsQuietly();
    ShowFigures();
}

// The actual price is taken from its field only while the recipe is a dish: otherwise the
// field is empty and the price stays as stored.
void CDialogRecipe::ReadFieldsQuietly()
{
    ReadField(m_portions, kPortionsPrecision, Host().Messages(), ERead::Quietly, m_working.NbPortion);
    m_working.UseForSale = m_dish->isChecked() ? 1 : 0;
    if (m_working.UseForSale)
        ReadField(m_figures->PriceSellField(), kPricePrecision, Host().Messages(), ERead::Quietly,
                  m_working.PriceSell);
}

void CDialogRecipe::ShowFigures()
{
    const bool dish = m_working.UseForSale != 0;
    m_figures->SetPriceSellEditable(dish);
    if (dish)
        m_figures->Show(CRecipeFigures::Of(m_working));
    else
        m_figures->ShowPurchasePriceOnly(m_working.GetPriceBuyPerPortion());
}

void CDialogRecipe::LeavePortions()
{
    double portions = m_working.NbPortion;
    if (ReadField(m_portions, kPortionsPrecision, Host().Messages(), ERead::OnLeave, portions))
        Recompute();
}

void CDialogRecipe::LeavePrice()
{
    double price = m_working.PriceSell;
    if (!m_dish->isChecked() ||
        ReadField(m_figures->PriceSellField(), kPricePrecision, Host().Messages(), ERead::OnLeave, price))
        Recompute();
}

// The stored price comes back into the field before the kind changes, so that a recipe made a
// dish again shows the price it had.
void CDialogRecipe::ClickDish()
{
    NumberField::Show(m_figures->PriceSellField(), m_working.PriceSell, kPricePrecision);
    m_working.UseForSale = m_dish->isChecked() ? 1 : 0;
    Recompute();
}

// Everything the fields hold goes into the working recipe; false when a number field holds no
// number (the user was told).
bool CDialogRecipe::StoreFields()
{
    double portions = m_working.NbPortion;
    double price = m_working.PriceSell;
    if (!ReadField(m_portions, kPortionsPrecision, Host().Messages(), ERead::OnClose, portions))
        return false;
    if (m_dish->isChecked() &&
        !ReadField(m_figures->PriceSellField(), kPricePrecision, Host().Messages(), ERead::OnClose, price))
        return false;
    m_working.Name = FormFields::Text(m_name);
    m_working.NbPortion = portions;
    m_working.UseForSale = m_dish->isChecked() ? 1 : 0;
    m_working.UseAsIngredient = m_asIngredient->isChecked() ? 1 : 0;
    m_working.Comment = FromQStringLossy(m_remark->toPlainText());
    m_working.PriceSell = price;
    return true;
}

CRecipeIngredient* CDialogRecipe::SelectedLine() const
{
    const auto id = m_list->GetSelectedUserData();
    return id ? m_editor.LineById(static_cast<int>(*id)) : nullptr;
}

// A recipe without a name takes the name of its first line.
void CDialogRecipe::AddLine()
{
    CDialogRecipeIngredient dialog(Host(), m_editor.Original(), nullptr, this);
    if (dialog.exec() != QDialog::Accepted || (!dialog.ChosenRecipe() && !dialog.ChosenIngredient()))
        return;
    const CRecipeEditor::CLineChoice choice{dialog.ChosenRecipe(), dialog.ChosenIngredient(), dialog.Amount(),
                                            dialog.WeightLoss()};
    if (!m_editor.AddLine(choice))
        return;
    if (!CRecipeEditor::HasName(FormFields::Text(m_name)))
        FormFields::SetText(m_name, CRecipeEditor::NameOf(choice));
    FillLines(m_working.RecipeIngredients.At(m_working.GetNbRecipeIngredients() - 1)->Id);
}

void CDialogRecipe::ChangeLine()
{
    CRecipeIngredient* line = SelectedLine();
    if (!line)
        return;
    CDialogRecipeIngredient dialog(Host(), m_editor.Original(), line, this);
    if (dialog.exec() != QDialog::Accepted || (!dialog.ChosenRecipe() && !dialog.ChosenIngredient()))
        return;
    m_editor.ChangeLine(
        *line, {dialog.ChosenRecipe(), dialog.ChosenIngredient(), dialog.Amount(), dialog.WeightLoss()});
    FillLines(line->Id);
}

void CDialogRecipe::DeleteLine()
{
    CRecipeIngredient* line = SelectedLine();
    if (!line ||
        !CProgramMessages::AskYesNo(
            Host().Messages(), MessageText::WithName(StringId::kDeleteIngredientQuestion, line->GetName())))
        return;
    m_editor.DeleteLine(line);
    FillLines();
}

void CDialogRecipe::MoveLineUp()
{
    MoveLine(true);
}

void CDialogRecipe::MoveLineDown()
{
    MoveLine(false);
}

// The moved line stays selected, in its new place.
void CDialogRecipe::MoveLine(bool up)
{
    CRecipeIngredient* line = SelectedLine();
    if (line && (up ? m_editor.MoveUp(line) : m_editor.MoveDown(line)))
        FillLines(line->Id);
}

// A picture that cannot be read changes nothing. The copy into the data directory tells the
// user itself when it refuses a name; any other failure is told here.
void CDialogRecipe::OpenPicture()
{
    CFileDialogRequest request;
    request.Filter = kPictureFilter;
    request.ConfirmOverwrite = true;
    const auto path = Host().FileDialogs().AskOpenPath(request);
    if (!path)
        return;
    if (!CPictureCtrl::CanLoad(*path)) {
        CProgramMessages::Show(Host().Messages(), StringId::kPictureUnreadable);
        return;
    }
    std::string name = *path;
    if (!Host().CopyPictureToDataDirectory(name)) {
        if (!name.empty())
            CProgramMessages::Show(Host().Messages(), StringId::kPictureUnreadable);
        return;
    }
    m_working.PictureFilename = name;
    m_picture->Load(Host().DataDirectory(), name);
}

// The file stays in the data directory.
void CDialogRecipe::DeletePicture()
{
    m_working.PictureFilename.clear();
    m_picture->Clear();
}

// A recipe without portions cannot be divided into portions: the calculation is refused
// rather than showing amounts that mean nothing.
void CDialogRecipe::CalculateQuantity()
{
    double portions = 0.0;
    if (!StoreFields() || !NumberField::ReadOnClose(m_quantity, Host().Messages(), portions))
        return;
    ShowFigures();
    double factor = 0.0;
    QLineEdit* refused = !m_working.GetPortionFactor(portions, factor) ? m_portions
                         : !(portions > 0.0)                           ? m_quantity
                                                                       : nullptr;
    if (refused) {
        CProgramMessages::Show(Host().Messages(), StringId::kNoPortions);
        refused->setFocus();
        refused->selectAll();
        return;
    }
    CDialogQuantityCalculation dialog(Host(), m_working, portions, this);
    const int result = dialog.exec();
    if (result != CDialogQuantityCalculation::kPrintCalculation &&
        result != CDialogQuantityCalculation::kPrintRecipeSheet)
        return;
    Print({result == CDialogQuantityCalculation::kPrintCalculation ? ERecipeSheet::Calculation
                                                                   : ERecipeSheet::Recipe,
           true, portions});
}

void CDialogRecipe::Print(const CRecipePrintRequest& request)
{
    if (!StoreFields())
        return;
    ShowFigures();
    CRecipePrintRequest sent = request;
    if (!sent.ForPortions)
        sent.Portions = m_working.NbPortion;
    Host().PrintRecipe(m_working, sent);
}

void CDialogRecipe::accept()
{
    if (!StoreFields())
        return;
    if (!CRecipeEditor::HasName(m_working.Name)) {
        CProgramMessages::Show(Host().Messages(), StringId::kRecipeWithoutName);
        m_name->setFocus();
        return;
    }
    m_list->SaveLayout(Host().Profile(), RecipeLineList::kLayoutSection, RecipeLineList::kLayoutEntry);
    CEditDialog::accept();
}

bool CDialogRecipe::ChangeStored(CPageHost& host, CRecipe& recipe, QWidget* parent)
{
    CRecipe working(recipe.Owner);
    if (!working.CopyFrom(recipe))
        return false;
    CDialogRecipe dialog(host, working, &recipe, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    // A failed copy (out of memory) has been reported; the caller shows what is stored.
    static_cast<void>(recipe.CopyFrom(working));
    return true;
}
