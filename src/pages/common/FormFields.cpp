#include "FormFields.h"

#include "pages/common/CodePageValidator.h"
#include "platform/qt/TextConversion.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTreeView>
#include <algorithm>
#include <vector>

namespace {

// QLineEdit keeps this many pixels between its frame and its text on either side, and the
// cursor takes one more.
constexpr int kLineEditTextMargin = 2;
constexpr int kCursorWidth = 1;
// A list never asks for more, however wide a remembered layout made its columns: it scrolls.
constexpr int kWidestList = 1000;

// The widgets Tab visits for `widget`: a button box's buttons in their shown order, else itself.
std::vector<QWidget*> TabStops(QWidget* widget)
{
    auto* box = qobject_cast<QDialogButtonBox*>(widget);
    if (!box || !box->layout())
        return {widget};
    std::vector<QWidget*> buttons;
    for (int index = 0; index < box->layout()->count(); ++index) {
        if (QWidget* button = box->layout()->itemAt(index)->widget())
            buttons.push_back(button);
    }
    return buttons;
}

} // namespace

QLineEdit* FormFields::TextField(const char* objectName, QWidget* parent)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(objectName));
    field->setValidator(new CCodePageValidator(field));
    return field;
}

QPushButton* FormFields::Button(const QString& text, const char* objectName, QWidget* parent,
                                bool autoDefault)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(objectName));
    if (!autoDefault)
        button->setAutoDefault(false);
    return button;
}

QComboBox* FormFields::ComboField(const char* objectName, QWidget* parent)
{
    auto* field = new QComboBox(parent);
    field->setObjectName(QString::fromLatin1(objectName));
    field->setEditable(true);
    field->setInsertPolicy(QComboBox::NoInsert);
    field->setValidator(new CCodePageValidator(field));
    return field;
}

QLabel* FormFields::Label(const QString& text, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

void FormFields::AddRow(QGridLayout* grid, int row, int column, const QString& label, QWidget* field,
                        int span)
{
    grid->addWidget(Label(label, field, grid->parentWidget()), row, column);
    grid->addWidget(field, row, column + 1, 1, span);
}

int FormFields::WidthToShow(const QLineEdit* field, const QString& widest)
{
    field->ensurePolished();
    QStyleOptionFrame option;
    option.initFrom(field);
    option.lineWidth =
        field->hasFrame() ? field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, field) : 0;
    const QMargins margins = field->textMargins();
    const QFontMetrics metrics = field->fontMetrics();
    const QSize text(metrics.horizontalAdvance(widest) + 2 * kLineEditTextMargin + kCursorWidth +
                         margins.left() + margins.right(),
                     metrics.height());
    const QSize framed = field->style()->sizeFromContents(QStyle::CT_LineEdit, &option, text, field);
    return std::max(framed.width(), text.width() + 2 * option.lineWidth);
}

void FormFields::FitWidth(QLineEdit* field, const QString& widest)
{
    const int width = WidthToShow(field, widest);
    if (field->minimumWidth() < width)
        field->setMinimumWidth(width);
}

void FormFields::FitToColumns(QTreeView* list)
{
    const int frame = 2 * list->frameWidth();
    const int scrollBar = list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list);
    const int width = std::min(list->header()->length() + frame + scrollBar, kWidestList);
    if (list->minimumWidth() < width)
        list->setMinimumWidth(width);
}

void FormFields::SetTabOrder(const std::vector<QWidget*>& widgets)
{
    std::vector<QWidget*> stops;
    for (QWidget* widget : widgets) {
        for (QWidget* stop : TabStops(widget))
            stops.push_back(stop);
    }
    for (std::size_t index = 1; index < stops.size(); ++index)
        QWidget::setTabOrder(stops[index - 1], stops[index]);
}

QDialogButtonBox* FormFields::ButtonBox(QDialog* dialog, std::initializer_list<CBoxButton> buttons)
{
    auto* box = new QDialogButtonBox(dialog);
    box->setObjectName(QStringLiteral("buttonBox"));
    QPushButton* keptDefault = nullptr;
    for (QPushButton* button : dialog->findChildren<QPushButton*>(Qt::FindDirectChildrenOnly)) {
        if (button->isDefault())
            keptDefault = button;
    }
    if (auto* help =
            dialog->findChild<QAbstractButton*>(QStringLiteral("helpButton"), Qt::FindDirectChildrenOnly))
        box->addButton(help, QDialogButtonBox::HelpRole);
    for (const CBoxButton& entry : buttons)
        box->addButton(entry.Button, entry.Role);
    // The box hands its focus on to its OK button. Its buttons come from the dialog, so the box
    // stands behind them in the tab chain, and Tab from the last button would go back to OK.
    box->setFocusProxy(nullptr);
    // The box makes its first OK button the default when it is shown, unless one of its own
    // buttons is the default already: the kept one moves into it, outside its row.
    if (keptDefault && box->buttonRole(keptDefault) == QDialogButtonBox::InvalidRole) {
        const QRect geometry = keptDefault->geometry();
        keptDefault->setParent(box);
        keptDefault->setGeometry(geometry);
        keptDefault->show();
        keptDefault->setDefault(true);
    }
    return box;
}

std::string FormFields::Text(const QLineEdit* field)
{
    return FromQStringLossy(field->text());
}

std::string FormFields::Text(const QComboBox* field)
{
    return FromQStringLossy(field->currentText());
}

void FormFields::SetText(QLineEdit* field, const std::string& text)
{
    field->setText(ToQString(text));
    field->setCursorPosition(0);
}

void FormFields::SetText(QComboBox* field, const std::string& text)
{
    field->setEditText(ToQString(text));
}
