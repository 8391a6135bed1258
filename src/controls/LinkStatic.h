#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QTimer>

class CAddressOpener;
class CMessageService;

// The three text colours of a hyperlink.
struct CLinkColors
{
    QColor Link{0, 0, 238};
    QColor Visited{85, 26, 139};
    QColor Hover{255, 0, 0};

    bool operator==(const CLinkColors&) const = default;
};

// A static text that acts as a hyperlink: link, visited and hover colours, underlined while the
// mouse is over it (or always), a hand cursor and the address as tooltip. A click opens the
// address; a failure beeps and says why in a warning box, and the link stays unvisited. The
// hover ends on the first tick of a 100 ms timer that finds the cursor outside.
class CLinkStatic : public QLabel
{
    Q_OBJECT

public:
    enum EUnderline { kUnderlineHover = -1, kUnderlineNever = 0, kUnderlineAlways = 1 };
    static constexpr int kHoverInterval = 100;

    // An empty address becomes the text, an empty text the address.
    explicit CLinkStatic(const QString& text = {}, const QString& address = {}, QWidget* parent = nullptr);

    // The tooltip follows; an empty text becomes the address.
    void SetAddress(const QString& address);
    QString GetAddress() const { return m_address; }
    // Use this rather than setText, so that the size follows the text.
    void SetText(const QString& text);
    // kUnderlineHover, kUnderlineNever or kUnderlineAlways.
    void SetUnderline(int mode);
    int GetUnderline() const { return m_underline; }
    void SetColors(const CLinkColors& colors);
    const CLinkColors& GetColors() const { return m_colors; }
    // Resize to the text whenever text or font change; the edge the alignment names stays put.
    void SetAdjustSize(bool adjust);
    bool IsHover() const { return m_hover; }
    bool IsVisited() const { return m_visited; }
    void SetVisited(bool visited);
    // What opens the address and what tells the user of a failure (the warning beep and box);
    // not owned. Without an opener a click opens nothing.
    void SetAddressOpener(CAddressOpener* opener) { m_opener = opener; }
    void SetMessages(CMessageService* messages) { m_messages = messages; }

    // The hover timer's work for a cursor at the given global position.
    void HoverTick(const QPoint& globalCursor);
    bool IsHoverTimerActive() const { return m_hoverTimer.isActive(); }
    // Opens the address as a click does.
    void OpenAddress();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void ApplyLook();
    void AdjustToText();

    QString m_address;
    CLinkColors m_colors;
    bool m_hover = false;
    bool m_visited = false;
    int m_underline = kUnderlineHover;
    bool m_adjustSize = true;
    QFont m_normalFont;
    QFont m_underlinedFont;
    bool m_settingFont = false;
    QTimer m_hoverTimer;
    CAddressOpener* m_opener = nullptr;
    CMessageService* m_messages = nullptr;
};

// The colour the link's text is drawn in.
QColor LinkTextColor(const CLinkColors& colors, bool hover, bool visited);

// Whether the link's text is underlined.
bool LinkUnderlined(int underlineMode, bool hover);

// The geometry of a control resized to `size`: the edges named by the alignment stay where they
// are (left and top unless it says right, bottom or centre).
QRect AdjustedGeometry(const QRect& current, const QSize& size, Qt::Alignment alignment);
