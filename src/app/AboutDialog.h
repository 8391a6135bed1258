#pragma once

#include <QDialog>
#include <functional>
#include <string>

class CAddressOpener;
class CMessageService;
class CLinkStatic;
class QLabel;

// "Über Kostenkoch": name, version, date and build of the program, links to the homepage and
// the mail address, and the path of the data file in use. "?" and F1 open its help.
class CAboutDialog : public QDialog
{
    Q_OBJECT

public:
    // `dataPath` is Windows-1252 text; the links open through `opener` (not owned).
    CAboutDialog(const std::string& dataPath, CAddressOpener& opener, CMessageService& messages,
                 std::function<void()> openHelp, QWidget* parent = nullptr);

    CLinkStatic* HomepageLink() const { return m_homepage; }
    CLinkStatic* MailLink() const { return m_mail; }
    QLabel* DataPathLabel() const { return m_dataPath; }

private:
    QLayout* BuildVersion();
    QLayout* BuildLinks(CAddressOpener& opener, CMessageService& messages);
    QLayout* BuildDataPath(const std::string& dataPath);
    QLayout* BuildButtons(std::function<void()> openHelp);

    CLinkStatic* m_homepage = nullptr;
    CLinkStatic* m_mail = nullptr;
    QLabel* m_dataPath = nullptr;
};
