#pragma once

#include <QString>
#include <string>

class CFileDialogService;
class CMessageService;
class CPrintJob;
class QPrinter;
class QWidget;

// How a printout reaches the user. Every printout opens in the print preview first; its tool
// bar prints it through the print dialog (any printer, or a PDF file through the dialog's
// "print to file") or saves it as a PDF file at once ("Als PDF speichern ..."). A document
// that cannot be printed (a table with too many columns) shows its message instead.
class CPrintRunner
{
public:
    CPrintRunner(CMessageService& messages, CFileDialogService& files, QWidget* parent);

    // `fileName` is the name the PDF file is offered under (Windows-1252, without ".pdf").
    void Run(const CPrintJob& job, const std::string& fileName);
    // Asks for a path and writes the PDF; false when the user cancelled or it failed (then
    // the user has been told).
    bool SavePdf(const CPrintJob& job, const std::string& fileName);

    // Writes the job as an A4 PDF at 600 dpi. Returns the message to show on failure, 0 when
    // written.
    static int WritePdf(const CPrintJob& job, const QString& path);

private:
    void ShowMessage(int stringId);
    void PrintOn(const CPrintJob& job, QPrinter& printer, int& failure);

    CMessageService& m_messages;
    CFileDialogService& m_files;
    QWidget* m_parent;
};
