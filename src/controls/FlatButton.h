#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QPointer>
#include <array>

class CAddressOpener;
class QMenu;

// A push button that paints itself in colours of its own: one background/text pair while the
// mouse is over it or it is drawn pressed (slots 0/1), one otherwise (2/3) and one while it has
// the keyboard focus and is neither hovered nor pressed (4/5). A flat button shows no border
// until the mouse is over it. A click toggles the check state in check-box mode, else pops up
// the first submenu of its menu, else opens its address (a failure goes unreported, as the
// button has no place to say it). The section bar is made of these.
class CFlatButton : public QAbstractButton
{
    Q_OBJECT

public:
    enum EColor {
        kHoverBackground,
        kHoverText,
        kBackground,
        kText,
        kFocusBackground,
        kFocusText,
        kColorCount
    };
    static constexpr int kMaxAddressLength = 259;

    explicit CFlatButton(QWidget* parent = nullptr);
    explicit CFlatButton(const QString& text, QWidget* parent = nullptr);

    // Returns 0, or 3 for an index outside 0..5, which changes nothing.
    int SetColor(int index, const QColor& color, bool repaint = true);
    // An invalid colour for an index outside 0..5.
    QColor GetColor(int index) const;
    // Has effect only in check-box mode.
    void SetCheck(bool state, bool repaint = true);
    bool GetCheck() const { return m_checked; }
    void SetFlat(bool flat, bool repaint = true);
    bool IsFlat() const { return m_flat; }
    void SetCheckBoxMode(bool checkBox) { m_checkBoxMode = checkBox; }
    bool IsCheckBoxMode() const { return m_checkBoxMode; }
    // The menu whose first submenu a click pops up; not owned. Null for none.
    void SetMenu(QMenu* menu);
    QMenu* GetMenu() const;
    // The address a click opens; longer addresses are cut to 259 characters.
    void SetAddress(const QString& address) { m_address = address.left(kMaxAddressLength); }
    QString GetAddress() const { return m_address; }
    // Hover highlight also while the button's window is not the active window.
    void SetTrackWhenInactive(bool track) { m_trackWhenInactive = track; }
    bool IsHover() const { return m_hover; }
    // What opens the address; not owned. Without one a click opens nothing.
    void SetAddressOpener(CAddressOpener* opener) { m_opener = opener; }
    // Held down, or checked in check-box mode.
    bool IsDrawnPressed() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

    // Draws background and border through the platform's style; returns false when the button
    // has to draw them itself. Buttons of their own colours always return false.
    virtual bool DrawStyledBackground(QPainter& painter);

private:
    void OnClicked();
    void PopUpMenu(QMenu& submenu);
    void UpdateHover(bool cursorInside);
    void SetHover(bool hover);
    void DrawFrame(QPainter& painter) const;
    void DrawCaption(QPainter& painter, const QColor& color) const;
    void DrawFocus(QPainter& painter, const QColor& color) const;

    bool m_flat = true;
    bool m_hover = false;
    bool m_checkBoxMode = false;
    std::array<QColor, kColorCount> m_colors;
    QPointer<QMenu> m_menu;
    QString m_address;
    bool m_trackWhenInactive = false;
    bool m_checked = false;
    CAddressOpener* m_opener = nullptr;
};

// The background slot a button draws with (0, 2 or 4); its text colour is the next slot.
int FlatButtonBackgroundSlot(bool hover, bool pressed, bool focused);

// Whether the mouse over a button highlights it.
bool FlatButtonWantsHover(bool flat, bool cursorInside, bool windowActive, bool trackWhenInactive);

// The menu a button pops up: the submenu of the menu's first item, null when that has none.
QMenu* FirstSubmenu(const QMenu& menu);
