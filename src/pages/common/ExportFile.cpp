#include "ExportFile.h"

#include "datafile/ProgramMessages.h"
#include "pages/common/PageHost.h"
#include "platform/FileDialogService.h"
#include "platform/qt/TextConversion.h"
#include "resources/StringIds.h"

#include <QSaveFile>

namespace ExportFile {

std::optional<std::string> AskPath(CPageHost& host, const char* extension, const std::string& defaultFileName,
                                   const char* filter)
{
    CFileDialogRequest request;
    request.DefaultExtension = extension;
    request.DefaultFileName = defaultFileName;
    request.Filter = filter;
    return host.FileDialogs().AskSavePath(request);
}

bool Write(CPageHost& host, const std::string& path, const QByteArray& bytes)
{
    QSaveFile file(ToQString(path));
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    CProgramMessages::ShowText(host.Messages(),
                               CProgramMessages::Format(StringId::kCannotWriteExport, {path}));
    return false;
}

bool WriteCsv(CPageHost& host, const std::string& path, const std::string& csv)
{
    return Write(host, path, QByteArray("\xEF\xBB\xBF") + ToQString(csv).toUtf8());
}

} // namespace ExportFile
