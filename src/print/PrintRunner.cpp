#include "PrintRunner.h"

#include "platform/FileDialogService.h"
#include "platform/MessageService.h"
#include "platform/qt/TextConversion.h"
#include "print/PrintJob.h"
#include "print/PrintLayout.h"
#include "resources/StringIds.h"
#include "resources/StringTables.h"

#include <QPageSize>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QToolBar>
#include <memory>

namespace {

constexpr int kPdfResolution = 600;

} // namespace

CPrintRunner::CPrintRunner(CMessageService& messages, CFileDialogService& files, QWidget* parent)
    : m_messages(messages), m_files(files), m_parent(parent)
{}

void CPrintRunner::ShowMessage(int stringId)
{
    m_messages.ShowMessage(CStringTables::Load(stringId), CStringTables::Load(StringId::kCaption));
}

// The preview and the print dialog ask for the pages again whenever the printer changes; each
// time the document is laid out for it anew.
void CPrintRunner::Run(const CPrintJob& job, const std::string& fileName)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QString());
    if (const int failure = job.Layout(printer)->Failure(); failure != 0) {
        if (failure > 0)
            ShowMessage(failure);
        return;
    }
    int failure = 0;
    QPrintPreviewDialog preview(&printer, m_parent);
    preview.setObjectName(QStringLiteral("printPreview"));
    preview.setWindowTitle(ToQString(CStringTables::Load(StringId::kPrintPreview) + " - ") +
                           job.Header().Title);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&](QPrinter* target) { PrintOn(job, *target, failure); });
    if (auto* toolBar = preview.findChild<QToolBar*>()) {
        QAction* savePdf = toolBar->addAction(ToQString(CStringTables::Load(StringId::kSavePdf)).remove('&'));
        savePdf->setObjectName(QStringLiteral("actionSavePdf"));
        QObject::connect(savePdf, &QAction::triggered, &preview, [&] {
            if (SavePdf(job, fileName))
                preview.accept();
        });
    }
    preview.exec();
    if (failure != 0)
        ShowMessage(failure > 0 ? failure : StringId::kPrintNotStarted);
}

void CPrintRunner::PrintOn(const CPrintJob& job, QPrinter& printer, int& failure)
{
    const bool range = printer.printRange() == QPrinter::PageRange;
    failure = job.Print(printer, range ? printer.fromPage() : 0, range ? printer.toPage() : 0);
}

bool CPrintRunner::SavePdf(const CPrintJob& job, const std::string& fileName)
{
    CFileDialogRequest request;
    request.DefaultExtension = "pdf";
    request.DefaultFileName = fileName + ".pdf";
    request.Filter = CStringTables::Load(StringId::kPdfFilter);
    request.ConfirmOverwrite = true;
    const std::optional<std::string> path = m_files.AskSavePath(request);
    if (!path)
        return false;
    const int failure = WritePdf(job, ToQString(*path));
    if (failure != 0)
        ShowMessage(failure > 0 ? failure : StringId::kPdfNotWritten);
    return failure == 0;
}

int CPrintRunner::WritePdf(const CPrintJob& job, const QString& path)
{
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setResolution(kPdfResolution);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setCreator(QStringLiteral("Kostenkoch"));
    writer.setTitle(job.Header().Title);
    return job.Print(writer);
}
