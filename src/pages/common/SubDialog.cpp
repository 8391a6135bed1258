#include "SubDialog.h"

#include "controls/AppFonts.h"
#include "controls/FlatButton.h"
#include "pages/common/PageHost.h"
#include "platform/qt/TextConversion.h"
#include "resources/GermanDialogTexts.h"

#include <QGridLayout>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

QLabel* MakeLabel(const char* objectName, const QFont& font, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setFont(font);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

CSubDialog::CSubDialog(CPageHost& host, const COptions& options, QWidget* parent)
    : QWidget(parent), m_host(host), m_options(options)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_scrollArea = new QScrollArea(this);
    m_scrollArea->setObjectName(QStringLiteral("pageScrollArea"));
    m_scrollArea->setFrameShape(QFrame::NoFrame);
    layout->addWidget(m_scrollArea);
    SetUpScrolling(BuildContent());
}

// Heading and subtitle take the width beside the help button; the body takes the rest.
QWidget* CSubDialog::BuildContent()
{
    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("pageContent"));
    auto* grid = new QGridLayout(content);
    m_title = MakeLabel("title", CAppFonts::Title(), content);
    m_subtitle = MakeLabel("subtitle", CAppFonts::Subtitle(), content);
    m_helpButton = new CFlatButton(UiText(DialogText::Common::kHelp), content);
    m_helpButton->setObjectName(QStringLiteral("helpButton"));
    m_helpButton->setFont(CAppFonts::Title());
    m_helpButton->SetFlat(false);
    m_helpButton->setFixedSize(kHelpButtonSize, kHelpButtonSize);
    connect(m_helpButton, &QAbstractButton::clicked, this, &CSubDialog::OnHelp);
    m_body = new QWidget(content);
    m_body->setObjectName(QStringLiteral("pageBody"));
    grid->addWidget(m_title, 0, 0);
    grid->addWidget(m_helpButton, 0, 1, 2, 1, Qt::AlignTop | Qt::AlignRight);
    grid->addWidget(m_subtitle, 1, 0);
    grid->addWidget(m_body, 2, 0, 1, 2);
    grid->setRowStretch(2, 1);
    grid->setColumnStretch(0, 1);
    return content;
}

// The scroll area stretches the content when the viewport is larger and shows bars while it is
// smaller than the content needs, so that nothing of a page is out of reach in the smallest
// window. A scrolling page never gets smaller than its design size; the others arrange their
// controls themselves down to their layout's minimum.
void CSubDialog::SetUpScrolling(QWidget* content)
{
    m_scrollArea->setWidgetResizable(true);
    m_scrollArea->setWidget(content);
    if (m_options.Scrolling)
        content->setMinimumSize(m_options.DesignSize);
    m_scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_scrollArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_scrollArea->horizontalScrollBar()->setSingleStep(1);
    m_scrollArea->verticalScrollBar()->setSingleStep(1);
}

void CSubDialog::OnHelp()
{
    if (!m_helpAddress.empty())
        m_host.OpenHelp(m_helpAddress);
}
