#include "DataFile.h"

#include "datafile/DataFileLog.h"
#include "datafile/DataFileReader.h"
#include "datafile/DataFileWriter.h"
#include "datafile/TextDigest.h"
#include "platform/File.h"

#include <string>

int CDataFile::ReadFromXML(CData& data, CFile& file)
{
    return CDataFileReader(data, &m_fingerprint).Read(file);
}

int CDataFile::WriteToXML(const CData& data, CFile& file)
{
    LogDataFile(data, "CData::WriteToXML()");
    const std::string text = CDataFileWriter(data, true).Render();
    LogDataFile(data, "CData::WriteToXML() -> write to file");
    file.Write(text.data(), text.size());
    m_fingerprint.Remember(text);
    LogDataFile(data, "CData::WriteToXML() -> OK");
    return 0;
}

// The text is rendered and digested in parts of 1 MiB: asking costs no memory the size of
// the file.
bool CDataFile::IsUnchanged(const CData& data) const
{
    if (!m_fingerprint.IsSet())
        return false;
    CTextDigest digest;
    CDataFileWriter(data, false).Render([&digest](std::string_view part) { digest.Add(part); }, 1 << 20);
    return m_fingerprint.Matches(digest);
}
