#pragma once

#include <QSize>
#include <QWidget>
#include <string>

class CData;
class CFlatButton;
class CPageHost;
class QGridLayout;
class QLabel;
class QScrollArea;

// The base of the twelve work pages. A page has a heading (title font), a subtitle (subtitle
// font), a 38 x 38 help button at its top right that opens the page's help address, and a body
// where the page puts its own controls. A scrolling page keeps its design size: when the area
// it is given is smaller, scroll bars appear (one pixel per arrow click); when the area grows
// again they vanish and the position returns to 0. A page without scrolling always fills its
// area and arranges its controls itself.
class CSubDialog : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kHelpButtonSize = 38;

    struct COptions
    {
        QSize DesignSize{520, 380};
        bool Scrolling = true;
        // False: the page covers the section bar's place, which is hidden while it shows.
        bool BesideBar = true;
    };

    CSubDialog(CPageHost& host, const COptions& options, QWidget* parent = nullptr);

    // Fills the page from the catalogue after a load.
    virtual void InitFromData(CData& data) { (void)data; }
    // Master data pages store their edits into the catalogue. False when the page kept a
    // group name because the group still has recipes (the window then shows message 120 once).
    virtual bool TakeIntoData(CData& data)
    {
        (void)data;
        return true;
    }
    // Brings the page up to date just before it is shown.
    virtual void RefreshPage() {}
    // Prints what the page shows ("Drucken ...").
    virtual void Print() {}

    bool IsScrolling() const { return m_options.Scrolling; }
    bool IsBesideBar() const { return m_options.BesideBar; }
    QSize DesignSize() const { return m_options.DesignSize; }
    void SetHelpAddress(const std::string& address) { m_helpAddress = address; }
    const std::string& HelpAddress() const { return m_helpAddress; }

    QLabel* Title() const { return m_title; }
    QLabel* Subtitle() const { return m_subtitle; }
    CFlatButton* HelpButton() const { return m_helpButton; }
    // Where a page puts its own controls (below the subtitle).
    QWidget* Body() const { return m_body; }
    QScrollArea* ScrollArea() const { return m_scrollArea; }

protected:
    CPageHost& Host() const { return m_host; }

private:
    QWidget* BuildContent();
    void SetUpScrolling(QWidget* content);
    void OnHelp();

    CPageHost& m_host;
    COptions m_options;
    std::string m_helpAddress;
    QScrollArea* m_scrollArea = nullptr;
    QLabel* m_title = nullptr;
    QLabel* m_subtitle = nullptr;
    CFlatButton* m_helpButton = nullptr;
    QWidget* m_body = nullptr;
};
