#include "DataFileLoader.h"

#include "catalogue/Data.h"
#include "datafile/DataFile.h"
#include "datafile/ProgramMessages.h"
#include "platform/FileSystemFile.h"
#include "platform/WaitCursor.h"
#include "resources/StringTables.h"
#include "xml/TarnXMLException.h"

#include <exception>
#include <string_view>

namespace {

constexpr std::string_view kSignatures[] = {R"(<?xml version="1.0" encoding="ISO-8859-1"?>)", "<Kostenkoch>",
                                            "<MainUserdata>"};

} // namespace

CDataFileLoader::CDataFileLoader(CFileUtilities& utilities, CMessageService& messages)
    : m_utilities(utilities), m_messages(messages)
{}

CDataFileLoader::EResult CDataFileLoader::Load(CData& data, CDataFile& dataFile, const std::string& path,
                                               bool report)
{
    EResult result = Missing;
    m_lastOpenError = 0;
    {
        const CWaitCursor cursor(m_messages);
        if (m_utilities.Files().Exists(path)) {
            CFileSystem::Handle handle = CFileSystem::kNoHandle;
            m_lastOpenError = m_utilities.Files().Open(path, CFileSystem::ReadOnly, handle);
            result = m_lastOpenError != 0 ? CannotOpen : ReadOpenFile(data, dataFile, handle, path);
        }
    }
    if (report)
        Report(result, path);
    return result;
}

// The reader reports a refused text by its result and a broken file by an exception.
CDataFileLoader::EResult CDataFileLoader::ReadOpenFile(CData& data, CDataFile& dataFile,
                                                       CFileSystem::Handle handle, const std::string& path)
{
    CFileSystemFile file(m_utilities.Files(), handle, path);
    try {
        return dataFile.ReadFromXML(data, file) == 0 ? Loaded : ReadFailed;
    } catch (const CFileException&) {
    } catch (const CTarnXMLException&) {
    } catch (const std::exception&) {
    }
    return ReadFailed;
}

void CDataFileLoader::Report(EResult result, const std::string& path)
{
    if (result == CannotOpen)
        CProgramMessages::ShowText(m_messages, "cannot open file: " + path);
    else if (result == ReadFailed)
        CProgramMessages::ShowText(m_messages, "read file failed: " + path);
}

bool CDataFileLoader::IsKostenkochDataFile(const std::string& path)
{
    if (!m_utilities.FileExists(path))
        return false;
    const std::string probe = ReadProbe(path);
    for (const std::string_view signature : kSignatures) {
        if (probe.find(signature) == std::string::npos)
            return false;
    }
    return true;
}

// The first bytes of the file up to the first zero byte; empty when it cannot be read.
std::string CDataFileLoader::ReadProbe(const std::string& path)
{
    CFileSystem& files = m_utilities.Files();
    CFileSystem::Handle handle = CFileSystem::kNoHandle;
    if (files.Open(path, CFileSystem::ReadOnly, handle) != 0)
        return {};
    std::string probe(kProbeLength, '\0');
    std::size_t read = 0;
    if (files.Read(handle, probe.data(), probe.size(), read) != 0)
        read = 0;
    files.Close(handle);
    probe.resize(read);
    return probe.substr(0, probe.find('\0'));
}
