#include "AboutDialog.h"

#include "app/ProgramVersion.h"
#include "controls/DialogHelp.h"
#include "controls/LinkStatic.h"
#include "platform/qt/TextConversion.h"
#include "resources/GermanDialogTexts.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel* MakeLabel(const char* objectName, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(objectName));
    return label;
}

} // namespace

CAboutDialog::CAboutDialog(const std::string& dataPath, CAddressOpener& opener, CMessageService& messages,
                           std::function<void()> openHelp, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(UiText(DialogText::About::kWindowTitle));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(BuildVersion());
    layout->addLayout(BuildLinks(opener, messages));
    layout->addLayout(BuildDataPath(dataPath));
    layout->addLayout(BuildButtons(std::move(openHelp)));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QLayout* CAboutDialog::BuildVersion()
{
    auto* layout = new QVBoxLayout;
    QLabel* name = MakeLabel("programName", QString::fromUtf8(ProgramVersion::kAboutName), this);
    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);
    layout->addWidget(name);
    layout->addWidget(MakeLabel("buildDate", QString::fromUtf8(ProgramVersion::kAboutDate), this));
    layout->addWidget(MakeLabel("buildNumber", QString::fromUtf8(ProgramVersion::kAboutBuild), this));
    return layout;
}

QLayout* CAboutDialog::BuildLinks(CAddressOpener& opener, CMessageService& messages)
{
    const QString homepage = QString::fromUtf8(ProgramVersion::kHomepage);
    const QString mail = QString::fromUtf8(ProgramVersion::kMailAddress);
    m_homepage = new CLinkStatic(homepage, homepage, this);
    m_homepage->setObjectName(QStringLiteral("homepageLink"));
    m_mail = new CLinkStatic(mail, QStringLiteral("mailto:") + mail, this);
    m_mail->setObjectName(QStringLiteral("mailLink"));
    // The about box's links are always underlined, so they read as links before the mouse finds them.
    for (CLinkStatic* link : {m_homepage, m_mail}) {
        link->SetAddressOpener(&opener);
        link->SetMessages(&messages);
        link->SetUnderline(CLinkStatic::kUnderlineAlways);
    }
    auto* layout = new QFormLayout;
    layout->addRow(UiText(DialogText::About::kHomepage), m_homepage);
    layout->addRow(UiText(DialogText::About::kMail), m_mail);
    return layout;
}

QLayout* CAboutDialog::BuildDataPath(const std::string& dataPath)
{
    auto* layout = new QVBoxLayout;
    layout->addWidget(MakeLabel("dataPathCaption", UiText(DialogText::About::kDataPath), this));
    m_dataPath = MakeLabel("dataPathLabel", ToQString(dataPath), this);
    m_dataPath->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_dataPath->setWordWrap(true);
    m_dataPath->setMinimumWidth(360);
    layout->addWidget(m_dataPath);
    return layout;
}

QLayout* CAboutDialog::BuildButtons(std::function<void()> openHelp)
{
    auto* layout = new QHBoxLayout;
    layout->addWidget(CDialogHelp::Attach(*this, std::move(openHelp)));
    layout->addStretch();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    return layout;
}
