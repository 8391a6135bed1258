#pragma once

#include "platform/FileSystem.h"

#include <string>

// The lock that says a program has a data file open, so that a second program (a double
// click too many) does not load the same file and overwrite the first one's work on exit.
// It is a lock file beside the data file (CDataFileNames::LockFile) that the platform locks;
// the system drops the lock when the holder ends, however it ends. Released by the destructor.
class CDataFileLock
{
public:
    explicit CDataFileLock(CFileSystem& files) : m_files(files) {}
    ~CDataFileLock() { Release(); }
    CDataFileLock(const CDataFileLock&) = delete;
    CDataFileLock& operator=(const CDataFileLock&) = delete;

    // Takes the lock of `dataPath`; the lock of another data file held so far is released only
    // once the new one is taken. 0, CFileSystem::kLockedError while another holder has it,
    // or the error of creating the lock file (the lock held so far then stays).
    int MoveTo(const std::string& dataPath);
    void Release();
    // Releases the lock held so far and holds `other`'s instead, when `other` holds one;
    // `other` holds none afterwards.
    void TakeOver(CDataFileLock& other);

    bool IsHeld() const { return m_handle != CFileSystem::kNoHandle; }
    // The data file whose lock is held; empty when none is.
    const std::string& DataPath() const { return m_dataPath; }

private:
    CFileSystem& m_files;
    CFileSystem::Handle m_handle = CFileSystem::kNoHandle;
    std::string m_dataPath;
};
