#include "ListPage.h"

#include "catalogue/Data.h"
#include "controls/ListCtrlEx.h"
#include "datafile/ProgramMessages.h"
#include "pages/common/FormFields.h"
#include "pages/common/MessageText.h"
#include "pages/common/PageHost.h"
#include "platform/qt/TextConversion.h"
#include "resources/GermanDialogTexts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CListPage::CListPage(CPageHost& host, const COptions& options, const CListSetup& setup, QWidget* parent)
    : CSubDialog(host, options, parent), m_setup(setup)
{
    m_list = new CListCtrlEx(Body());
    m_list->setObjectName(QString::fromLatin1(setup.ObjectName));
    // Every command of these pages acts on one record.
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->InsertColumns(setup.Columns);
    m_layoutLoaded = m_list->LoadLayout(host.Profile(), setup.LayoutSection, setup.LayoutEntry);
    m_layout = new QVBoxLayout(Body());
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->addWidget(m_list, 1);
    connect(m_list, &CListCtrlEx::LayoutEdited, this, &CListPage::SaveLayout);
    connect(m_list, &CListCtrlEx::RowOpened, this, [this] { OpenRow(); });
}

// Another catalogue: nothing of the last one stays selected.
void CListPage::InitFromData(CData& data)
{
    (void)data;
    m_list->DeleteAllRows();
    FillList();
}

void CListPage::RefreshPage()
{
    FillList();
}

void CListPage::Print()
{
    Host().PrintList(*m_list, m_setup.PrintTitleId);
}

// The records in catalogue order, then sorted as the user last sorted the list.
void CListPage::FillList()
{
    const std::optional<int> selected = SelectedRecordId();
    m_list->DeleteAllRows();
    if (CData* data = Host().GetData())
        AddRows(*data);
    m_list->Fill();
    m_list->Sort();
    if (selected)
        SelectRecord(*selected);
    UpdateHint();
    AfterFill();
}

std::uint32_t CListPage::AddRecordRow(int recordId)
{
    return m_list->AddRow(static_cast<std::uint32_t>(recordId));
}

std::optional<int> CListPage::SelectedRecordId() const
{
    const auto userData = m_list->GetSelectedUserData();
    return userData ? std::optional<int>(static_cast<int>(*userData)) : std::nullopt;
}

bool CListPage::ConfirmDelete(bool canDelete, int inUseId, int questionId, const std::string& name) const
{
    if (!canDelete) {
        CProgramMessages::Show(Host().Messages(), inUseId);
        return false;
    }
    return CProgramMessages::AskYesNo(Host().Messages(), MessageText::WithName(questionId, name));
}

// A row's user data is its record's Id.
bool CListPage::SelectRecord(int recordId)
{
    const auto& rows = m_list->GetData().GetRows();
    for (const CListRow& row : rows) {
        if (static_cast<int>(row.UserData) == recordId)
            return m_list->SelectRowById(row.Id);
    }
    return false;
}

void CListPage::AfterEdit(int countBefore, std::optional<int> shown)
{
    FillList();
    if (shown)
        SelectRecord(*shown);
    const CData* data = Host().GetData();
    if (data && (countBefore == 0) != (CountRecords(*data) == 0))
        Host().RebuildTabs(-1);
}

QHBoxLayout* CListPage::EditButtons(const char* addName, const char* changeName, const char* deleteName)
{
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    QPushButton* add = FormFields::Button(UiText(DialogText::ListPage::kAdd), addName, Body());
    QPushButton* change = FormFields::Button(UiText(DialogText::ListPage::kChange), changeName, Body());
    QPushButton* remove = FormFields::Button(UiText(DialogText::ListPage::kDelete), deleteName, Body());
    for (QPushButton* button : {add, change, remove})
        row->addWidget(button);
    row->addStretch(1);
    connect(add, &QPushButton::clicked, this, [this] { AddRecord(); });
    connect(change, &QPushButton::clicked, this, [this] { ChangeRecord(); });
    connect(remove, &QPushButton::clicked, this, [this] { DeleteRecord(); });
    m_layout->addLayout(row);
    return row;
}

// Kept as the user changes it, so that nothing is left to do on the way out.
void CListPage::SaveLayout()
{
    m_list->SaveLayout(Host().Profile(), m_setup.LayoutSection, m_setup.LayoutEntry);
}

void CListPage::UpdateHint()
{
    const CData* data = Host().GetData();
    Subtitle()->setVisible(!data || CountRecords(*data) == 0);
}
