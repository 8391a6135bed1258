#include "DialogQuantityCalculation.h"

#include "catalogue/Data.h"
#include "catalogue/NumberText.h"
#include "controls/DialogHelp.h"
#include "controls/ListCtrlEx.h"
#include "pages/common/FormFields.h"
#include "pages/common/MessageText.h"
#include "pages/common/PageHost.h"
#include "pages/recipes/RecipeFigures.h"
#include "pages/recipes/RecipeFiguresBox.h"
#include "pages/recipes/RecipeLineList.h"
#include "platform/Windows1252.h"
#include "platform/qt/TextConversion.h"
#include "resources/GermanDialogTexts.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kPortionsPrecision = -1;

// The title in catalogue text: the portions as number text, the recipe's name in quotes.
std::string TitleText(const CRecipe& recipe, double portions)
{
    std::string text;
    Utf8ToWindows1252(DialogText::QuantityCalculation::kTitleTemplate, text);
    text = MessageText::ReplaceAll(text, "xyz", NumberText::Format(portions, kPortionsPrecision));
    return MessageText::ReplaceAll(text, "zzz", recipe.Name);
}

} // namespace

CDialogQuantityCalculation::CDialogQuantityCalculation(CPageHost& host, const CRecipe& recipe,
                                                       double portions, QWidget* parent)
    : QDialog(parent), m_recipe(recipe), m_portions(portions)
{
    setWindowTitle(UiText(DialogText::QuantityCalculation::kWindowTitle));
    setObjectName(QStringLiteral("dialogQuantityCalculation"));
    BuildForm(host);
    RecipeLineList::AddColumns(*m_list);
    m_list->LoadLayout(host.Profile(), RecipeLineList::kLayoutSection, RecipeLineList::kLayoutEntry);
    FormFields::FitToColumns(m_list);
    double factor = 0.0;
    if (!recipe.GetPortionFactor(portions, factor))
        factor = 0.0;
    RecipeLineList::Fill(*m_list, recipe, factor);
    m_figures->Show(CRecipeFigures::Of(recipe, portions));
}

void CDialogQuantityCalculation::BuildForm(CPageHost& host)
{
    m_title = new QLabel(ToQString(TitleText(m_recipe, m_portions)), this);
    m_title->setObjectName(QStringLiteral("title"));
    QFont font = m_title->font();
    font.setBold(true);
    m_title->setFont(font);
    m_list = new CListCtrlEx(this);
    m_list->setObjectName(QStringLiteral("lineList"));
    m_list->setMinimumSize(560, 200);
    m_figures = new CRecipeFiguresBox(host.GetData(), this);
    QWidget* buttons = BuildButtons(host);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_title);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_figures);
    layout->addWidget(buttons);
    FormFields::SetTabOrder({m_list, m_figures->FirstField()});
    FormFields::SetTabOrder({m_figures->LastField(), buttons});
}

// The print buttons are greyed while the program cannot print. Enter presses "Abbrechen":
// nothing here is to be confirmed.
QWidget* CDialogQuantityCalculation::BuildButtons(CPageHost& host)
{
    auto* calculation = new QPushButton(UiText(DialogText::QuantityCalculation::kPrintCalculation), this);
    calculation->setObjectName(QStringLiteral("printCalculation"));
    auto* sheet = new QPushButton(UiText(DialogText::QuantityCalculation::kPrintSheet), this);
    sheet->setObjectName(QStringLiteral("printRecipeSheet"));
    auto* cancel = new QPushButton(UiText(DialogText::Common::kCancel), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setDefault(true);
    for (QPushButton* button : {calculation, sheet}) {
        button->setAutoDefault(false);
        button->setEnabled(host.CanPrint());
    }
    connect(calculation, &QPushButton::clicked, this, [this] { done(kPrintCalculation); });
    connect(sheet, &QPushButton::clicked, this, [this] { done(kPrintRecipeSheet); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    const std::string address = host.HelpAddress("DialogRecipe");
    CDialogHelp::Attach(*this, [&host, address] { host.OpenHelp(address); });
    return FormFields::ButtonBox(this, {{calculation, QDialogButtonBox::ActionRole},
                                        {sheet, QDialogButtonBox::ActionRole},
                                        {cancel, QDialogButtonBox::RejectRole}});
}
