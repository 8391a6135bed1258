#pragma once

#include "app/SectionBarLayout.h"

#include <QColor>
#include <QWidget>
#include <array>

class CFlatButton;
class CSectionPlan;
class QScrollBar;

// The column of up to 30 section buttons beside the pages. Each button is 26 pixels high and
// as wide as the bar; the selected one is drawn pressed. When the buttons need more height
// than the bar has, the bar shows its own vertical scroll bar (CSectionBarLayout). A click on
// a button selects it and then reports it (SectionClicked).
class CSectionBar : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kNbButtons = 30;
    // The buttons' command ids; each button's object name is "sectionButton" + its id.
    static constexpr int kFirstId = 10000;

    explicit CSectionBar(QWidget* parent = nullptr);

    // The button gets the text and shows; the count becomes at least index + 1.
    void SetText(int index, const QString& text);
    // Into the background colour slots 0, 2 and 4 of the button.
    void SetColor(int index, const QColor& color);
    // Hides and unpresses all buttons, gives them the face colour back; count 0, none selected.
    void Clear();
    // Clear, then the plan's sections with their colours.
    void Apply(const CSectionPlan& plan);
    void Select(int index);
    int GetSelected() const { return m_selected; }
    int GetCount() const { return m_count; }
    void SetAvailableHeight(int height);
    int GetAvailableHeight() const { return m_availableHeight; }

    // RGB(245, 245, 241) while the platform's style draws themed controls, else the palette's
    // button colour.
    QColor FaceColor() const { return m_faceColor; }
    CFlatButton* Button(int index) const { return m_buttons[index]; }
    QScrollBar* ScrollBar() const { return m_scrollBar; }
    const CSectionBarLayout& Layout() const { return m_layout; }

signals:
    void SectionClicked(int index);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    CFlatButton* MakeButton(int index);
    void ApplyFaceColor(CFlatButton& button);
    void OnClicked(int index);
    void Relayout();
    void PlaceButtons();

    std::array<CFlatButton*, kNbButtons> m_buttons{};
    QScrollBar* m_scrollBar = nullptr;
    QColor m_faceColor;
    int m_count = 0;
    int m_selected = -1;
    int m_availableHeight = 0;
    CSectionBarLayout m_layout;
};
