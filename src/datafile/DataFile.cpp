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
    const CDataFileText text = CDataFileWriter(data, true).Render();
    // The figures of the new text answer both whether it differs from the text before and,
    // once written, what the file now holds: one pass over the text for both.
    CTextDigest digest;
    digest.Add(text.View());
    m_writtenUnchanged = m_fingerprint.Matches(digest);
    LogDataFile(data, "CData::WriteToXML() -> write to file");
    file.Write(text.View().data(), text.View().size());
    m_fingerprint.Remember(digest);
    LogDataFile(data, "CData::WriteToXML() -> OK");
    return 0;
}

// The text is rendered and digested in parts of 128 KiB: asking costs no memory the size of
// the file, and the one buffer of a part stays in the cache and takes few page faults.
bool CDataFile::IsUnchanged(const CData& data) const
{
    if (!m_fingerprint.IsSet())
        return false;
    CTextDigest digest;
    CDataFileWriter(data, false).Render([&digest](std::string_view part) { digest.Add(part); }, 128 * 1024);
    return m_fingerprint.Matches(digest);
}
