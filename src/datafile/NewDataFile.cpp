#include "NewDataFile.h"

#include "datafile/DataFile.h"
#include "platform/FileSystemFile.h"
#include "platform/PathText.h"

#include <cerrno>
#include <new>

CNewDataFile::CNewDataFile(CFileUtilities& utilities, std::string logPrefix)
    : m_utilities(utilities), m_logPrefix(std::move(logPrefix))
{}

// Created empty first and then opened without creating, so that the file written is the very
// file created (a link put in its place in between makes the open fail).
bool CNewDataFile::Write(const CData& data, CDataFile& file, const std::string& newPath)
{
    Log("create new data file");
    if (!Succeeded("create new data file", m_utilities.CreateNewFile(newPath)))
        return false;
    Log("open new data file");
    CFileSystem::Handle handle = CFileSystem::kNoHandle;
    if (!Succeeded("open new data file",
                   m_utilities.Files().Open(newPath, CFileSystem::WriteExisting, handle)))
        return false;
    return WriteText(data, file, handle, newPath);
}

bool CNewDataFile::WriteText(const CData& data, CDataFile& dataFile, CFileSystem::Handle handle,
                             const std::string& path)
{
    CFileSystemFile file(m_utilities.Files(), handle, path);
    try {
        dataFile.WriteToXML(data, file);
    } catch (const CFileException& failure) {
        return Succeeded("write new data file", failure.Error);
    } catch (const std::bad_alloc&) {
        return Succeeded("write new data file", ENOMEM);
    }
    if (!Succeeded("sync new data file", file.Sync()) || !Succeeded("close new data file", file.Close()))
        return false;
    Log("close new data file");
    return true;
}

bool CNewDataFile::Replace(const std::string& newPath, const std::string& target)
{
    Log("rename new data file");
    if (!m_utilities.ReplaceFile(newPath, target))
        return false;
    Log("sync data directory");
    const auto directory = CPathText::DirectoryOf(target);
    return Succeeded("sync data directory", m_utilities.Files().SyncDirectory(directory.value_or(".")));
}

void CNewDataFile::Discard(const std::string& newPath)
{
    if (!m_utilities.Files().Exists(newPath))
        return;
    Log("remove new data file");
    m_utilities.RemoveFile(newPath);
}

bool CNewDataFile::Succeeded(const std::string& step, int error)
{
    if (error != 0)
        Log(step + " failed, error " + std::to_string(error));
    return error == 0;
}

void CNewDataFile::Log(const std::string& step)
{
    m_utilities.Log(m_logPrefix + step);
}
