#include "FileErrorText.h"

#include "datafile/ProgramMessages.h"
#include "resources/StringIds.h"

#include <cerrno>

std::string CFileErrorText::Reason(int error)
{
    switch (error) {
    case EACCES:
    case EPERM:
        return CStringTables::Load(StringId::kNoAccess);
    case EROFS:
        return CStringTables::Load(StringId::kReadOnlyDrive);
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return CStringTables::Load(StringId::kDiskFull);
    default:
        return CProgramMessages::Format(StringId::kErrorNumber, {std::to_string(error)});
    }
}
