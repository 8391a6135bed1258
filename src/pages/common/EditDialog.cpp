#include "EditDialog.h"

#include "controls/DialogHelp.h"
#include "pages/common/FieldLeaveWatcher.h"
#include "pages/common/PageHost.h"
#include "platform/qt/TextConversion.h"
#include "resources/GermanDialogTexts.h"

#include <QAbstractButton>
#include <QHBoxLayout>
#include <QPushButton>

CEditDialog::CEditDialog(CPageHost& host, const std::string& helpAnchor, QWidget* parent)
    : QDialog(parent), m_host(host), m_watcher(new CFieldLeaveWatcher(this))
{
    m_ok = new QPushButton(UiText(DialogText::Common::kOk), this);
    m_ok->setObjectName(QStringLiteral("okButton"));
    m_cancel = new QPushButton(UiText(DialogText::Common::kCancel), this);
    m_cancel->setObjectName(QStringLiteral("cancelButton"));
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    // Qt presses only a visible default button: this one is shown, but takes no room and no focus.
    m_update = new QPushButton(this);
    m_update->setObjectName(QStringLiteral("updateButton"));
    m_update->setFocusPolicy(Qt::NoFocus);
    m_update->setFlat(true);
    m_update->setGeometry(0, 0, 0, 0);
    m_update->setDefault(true);
    connect(m_update, &QPushButton::clicked, this, &CEditDialog::OnUpdate);
    const std::string address = host.HelpAddress(helpAnchor);
    m_helpButton = CDialogHelp::Attach(*this, [this, address] { m_host.OpenHelp(address); });
}

QBoxLayout* CEditDialog::MakeButtonRow()
{
    auto* row = new QHBoxLayout;
    row->addWidget(m_helpButton);
    row->addStretch(1);
    row->addWidget(m_ok);
    row->addWidget(m_cancel);
    return row;
}

void CEditDialog::OnUpdate()
{
    m_watcher->RunFor(focusWidget());
}
