#include "SectionBar.h"

#include "app/SectionPlan.h"
#include "controls/AppFonts.h"
#include "controls/FlatButton.h"
#include "controls/ThemeLibrary.h"
#include "platform/qt/TextConversion.h"

#include <QScrollBar>

namespace {

const QColor kThemedFace{245, 245, 241};
// The chosen section (and the one under the mouse) is drawn on a darker shade of its colour, so
// it reads as pressed among the others.
constexpr int kPressedDarkness = 125;

// Colour 0 is the background while hovering or pressed, 2 and 4 the plain and focused ones.
void SetFace(CFlatButton& button, const QColor& color)
{
    button.SetColor(CFlatButton::kHoverBackground, color.darker(kPressedDarkness), false);
    button.SetColor(CFlatButton::kBackground, color, false);
    button.SetColor(CFlatButton::kFocusBackground, color, false);
    button.update();
}

} // namespace

CSectionBar::CSectionBar(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("sectionBar"));
    m_faceColor = CThemeLibrary().IsAppThemed() ? kThemedFace : palette().color(QPalette::Button);
    for (int index = 0; index < kNbButtons; ++index)
        m_buttons[index] = MakeButton(index);
    m_scrollBar = new QScrollBar(Qt::Vertical, this);
    m_scrollBar->setObjectName(QStringLiteral("sectionScrollBar"));
    m_scrollBar->setSingleStep(1);
    m_scrollBar->hide();
    connect(m_scrollBar, &QScrollBar::valueChanged, this, [this](int position) {
        m_layout = CSectionBarLayout::Compute(m_count, m_availableHeight, position);
        PlaceButtons();
    });
}

CFlatButton* CSectionBar::MakeButton(int index)
{
    auto* button = new CFlatButton(this);
    button->setObjectName(QStringLiteral("sectionButton%1").arg(kFirstId + index));
    button->setFont(CAppFonts::Tab());
    button->SetCheckBoxMode(true);
    button->setFocusPolicy(Qt::TabFocus);
    ApplyFaceColor(*button);
    button->hide();
    connect(button, &QAbstractButton::clicked, this, [this, index] { OnClicked(index); });
    return button;
}

void CSectionBar::ApplyFaceColor(CFlatButton& button)
{
    SetFace(button, m_faceColor);
}

void CSectionBar::SetText(int index, const QString& text)
{
    if (index < 0 || index >= kNbButtons)
        return;
    m_buttons[index]->setText(text);
    m_buttons[index]->show();
    m_count = std::max(m_count, index + 1);
    Relayout();
}

void CSectionBar::SetColor(int index, const QColor& color)
{
    if (index < 0 || index >= kNbButtons)
        return;
    SetFace(*m_buttons[index], color);
}

void CSectionBar::Clear()
{
    for (CFlatButton* button : m_buttons) {
        button->hide();
        button->SetCheck(false, false);
        ApplyFaceColor(*button);
    }
    m_count = 0;
    m_selected = -1;
    Relayout();
}

void CSectionBar::Apply(const CSectionPlan& plan)
{
    Clear();
    for (int index = 0; index < static_cast<int>(plan.Entries.size()); ++index) {
        const CSectionPlan::CEntry& entry = plan.Entries[index];
        SetText(index, ToQString(entry.Text));
        if (entry.Color)
            SetColor(index, QColor(entry.Color->Red, entry.Color->Green, entry.Color->Blue));
    }
}

void CSectionBar::Select(int index)
{
    m_selected = index;
    for (int i = 0; i < kNbButtons; ++i)
        m_buttons[i]->SetCheck(i == index);
}

// The button has toggled its own check state; the bar decides which one is pressed.
void CSectionBar::OnClicked(int index)
{
    Select(index);
    emit SectionClicked(index);
}

void CSectionBar::SetAvailableHeight(int height)
{
    m_availableHeight = height;
    Relayout();
}

void CSectionBar::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    SetAvailableHeight(height());
}

void CSectionBar::Relayout()
{
    m_layout = CSectionBarLayout::Compute(m_count, m_availableHeight, m_scrollBar->value());
    const QSignalBlocker blocker(m_scrollBar);
    m_scrollBar->setRange(0, m_layout.MaxPosition());
    m_scrollBar->setPageStep(m_layout.PageHeight);
    m_scrollBar->setValue(m_layout.Position);
    m_scrollBar->setVisible(m_layout.ScrollBarShown);
    PlaceButtons();
}

void CSectionBar::PlaceButtons()
{
    const int scrollWidth = m_layout.ScrollBarShown ? m_scrollBar->sizeHint().width() : 0;
    const int buttonWidth = width() - scrollWidth;
    m_scrollBar->setGeometry(buttonWidth, 0, scrollWidth, m_layout.Height);
    for (int index = 0; index < kNbButtons; ++index)
        m_buttons[index]->setGeometry(0, m_layout.ButtonTop(index), buttonWidth,
                                      CSectionBarLayout::kButtonHeight);
}
