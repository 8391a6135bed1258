#include "DsfinvkReader.h"
#include "datafile/Utf8Text.h"

// This build reads no ZIP archives (no ZIP library on its system): a folder export still reads.
namespace DsfinvkReader {

bool CanReadZip()
{
    return false;
}

bool ReadZip(const std::string& zipPath, CRegisterSales& sales, std::string& message)
{
    sales = CRegisterSales();
    message = zipPath + Windows1252Text(": ZIP-Dateien werden in dieser Ausgabe nicht gelesen; entpacken Sie "
                                        "die Datei und wählen Sie den Ordner.");
    return false;
}

} // namespace DsfinvkReader
