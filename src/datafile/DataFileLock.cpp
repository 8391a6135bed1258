#include "DataFileLock.h"

#include "datafile/DataFileNames.h"

int CDataFileLock::MoveTo(const std::string& dataPath)
{
    if (IsHeld() && dataPath == m_dataPath)
        return 0;
    CFileSystem::Handle handle = CFileSystem::kNoHandle;
    if (const int error = m_files.LockFile(CDataFileNames(dataPath).LockFile(), handle))
        return error;
    Release();
    m_handle = handle;
    m_dataPath = dataPath;
    return 0;
}

void CDataFileLock::Release()
{
    if (!IsHeld())
        return;
    m_files.UnlockFile(CDataFileNames(m_dataPath).LockFile(), m_handle);
    m_handle = CFileSystem::kNoHandle;
    m_dataPath.clear();
}

void CDataFileLock::TakeOver(CDataFileLock& other)
{
    if (!other.IsHeld())
        return;
    Release();
    m_handle = other.m_handle;
    m_dataPath = std::move(other.m_dataPath);
    other.m_handle = CFileSystem::kNoHandle;
    other.m_dataPath.clear();
}
