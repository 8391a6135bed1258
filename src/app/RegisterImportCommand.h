#pragma once

#include "registerimport/RegisterBooking.h"

#include <string>

class CKostenkochDocument;
class QWidget;

// "Kassendaten importieren …" and "Import rückgängig machen": choose a register export (a ZIP,
// a CSV journal, or a DSFinV-K folder by its index.xml), read it, let the user map its items
// and confirm the summary, then book it as one step and save through the normal save with its
// backup. A failed or cancelled import changes nothing. The last import can be taken back until
// the next one or the end of the session; another catalogue loaded meanwhile cannot be.
class CRegisterImportCommand
{
public:
    CRegisterImportCommand(CKostenkochDocument& document, QWidget* window);

    // True when sales were booked (the window refreshes its pages and tabs).
    bool Run();
    bool CanUndo() const;
    // True when the import was taken back (the window refreshes).
    bool Undo();

    // The path the user chose as the export to read: a DSFinV-K folder when the file chosen is
    // its index.xml, else the file itself.
    static std::string ExportPath(const std::string& chosen);

private:
    bool ReadExport(const std::string& path, struct CRegisterSales& sales, std::string& message,
                    bool& cancelled);
    bool Book(const struct CImportPlan& plan);

    CKostenkochDocument& m_document;
    QWidget* m_window;
    CRegisterImportStep m_step;
};
