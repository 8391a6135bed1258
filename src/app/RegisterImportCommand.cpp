#include "RegisterImportCommand.h"

#include "app/KostenkochDocument.h"
#include "catalogue/Data.h"
#include "datafile/ProgramMessages.h"
#include "pages/sales/DialogCsvColumns.h"
#include "pages/sales/DialogImportSummary.h"
#include "pages/sales/DialogRegisterMapping.h"
#include "platform/PathText.h"
#include "platform/WaitCursor.h"
#include "registerimport/CsvColumnMemory.h"
#include "registerimport/CsvJournal.h"
#include "registerimport/DishProposer.h"
#include "registerimport/ImportPlan.h"
#include "registerimport/RegisterExportKind.h"
#include "registerimport/RegisterItemTable.h"
#include "resources/StringIds.h"
#include "resources/StringTables.h"

#include <QDialog>

CRegisterImportCommand::CRegisterImportCommand(CKostenkochDocument& document, QWidget* window)
    : m_document(document), m_window(window)
{}

std::string CRegisterImportCommand::ExportPath(const std::string& chosen)
{
    if (CPathText::EqualIgnoringCase(CPathText::FileNameOf(chosen), "index.xml")) {
        if (const auto folder = CPathText::DirectoryOf(chosen))
            return *folder;
    }
    return chosen;
}

bool CRegisterImportCommand::Run()
{
    CData* data = m_document.GetData();
    if (!data)
        return false;
    CFileDialogRequest request;
    request.Filter = CStringTables::Load(StringId::kRegisterImportFilter);
    request.ConfirmOverwrite = false;
    const auto chosen = m_document.FileDialogs().AskOpenPath(request);
    if (!chosen)
        return false;
    CRegisterSales sales;
    std::string message;
    bool cancelled = false;
    if (!ReadExport(ExportPath(*chosen), sales, message, cancelled)) {
        if (cancelled)
            return false;
        CProgramMessages::ShowText(m_document.Messages(),
                                   CStringTables::Load(StringId::kRegisterImportUnreadable) + "\n\n" +
                                       message);
        return false;
    }
    const std::vector<int> before = ImportPlanning::SourcesBookedBefore(sales, data->RegisterMapping);
    CRegisterItemTable items =
        CRegisterItemTable::Build(sales, {before.begin(), before.end()}, *data, CDishProposer(*data));
    if (!items.Rows().empty()) {
        CDialogRegisterMapping mapping(m_document, *data, items, m_window);
        if (mapping.exec() != QDialog::Accepted)
            return false;
        items = mapping.Items();
    }
    const CImportPlan plan = ImportPlanning::Plan(sales, items, *data);
    CDialogImportSummary summary(m_document, plan, m_window);
    if (summary.exec() != QDialog::Accepted || plan.BooksNothing())
        return false;
    return Book(plan);
}

// A journal's columns are assigned in the column dialog, which opens with the assignment
// remembered for the same headings; an export describes its own columns.
bool CRegisterImportCommand::ReadExport(const std::string& path, CRegisterSales& sales, std::string& message,
                                        bool& cancelled)
{
    if (RegisterExport::GetKind(m_document.Files(), path) != ERegisterExportKind::CsvJournal) {
        const CWaitCursor cursor(m_document.Messages());
        return RegisterExport::Read(m_document.Files(), path, sales, message);
    }
    CCsvJournal journal;
    {
        const CWaitCursor cursor(m_document.Messages());
        if (!journal.Load(m_document.Files(), path, message))
            return false;
    }
    CCsvColumnMemory memory(m_document.Profile());
    CDialogCsvColumns columns(journal, memory, m_window);
    if (columns.exec() != QDialog::Accepted) {
        cancelled = true;
        return false;
    }
    const CWaitCursor cursor(m_document.Messages());
    return journal.Read(columns.GetColumns(), sales, message);
}

bool CRegisterImportCommand::Book(const CImportPlan& plan)
{
    CData& data = *m_document.GetData();
    if (!m_step.Book(plan, data)) {
        CProgramMessages::Show(m_document.Messages(), StringId::kRegisterImportNotBooked);
        return false;
    }
    // A failed save has told the user; the import stays booked and can be taken back.
    static_cast<void>(m_document.Session().WriteKostenkochData());
    return true;
}

bool CRegisterImportCommand::CanUndo() const
{
    return m_step.CanUndo(m_document.GetData());
}

bool CRegisterImportCommand::Undo()
{
    CData* data = m_document.GetData();
    if (!data || !m_step.Undo(*data))
        return false;
    static_cast<void>(m_document.Session().WriteKostenkochData());
    return true;
}
