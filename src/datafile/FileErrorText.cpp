#include "FileErrorText.h"

#include "datafile/ProgramMessages.h"

#include <cerrno>

namespace {

constexpr int kNoAccess = 245;
constexpr int kReadOnlyDrive = 246;
constexpr int kDiskFull = 247;
constexpr int kErrorNumber = 248;

} // namespace

std::string CFileErrorText::Reason(int error)
{
    switch (error) {
    case EACCES:
    case EPERM:
        return CStringTables::Load(kNoAccess);
    case EROFS:
        return CStringTables::Load(kReadOnlyDrive);
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return CStringTables::Load(kDiskFull);
    default:
        return CProgramMessages::Format(kErrorNumber, {std::to_string(error)});
    }
}
