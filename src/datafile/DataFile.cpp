#include "DataFile.h"

#include "datafile/DataFileLog.h"
#include "datafile/DataFileReader.h"
#include "datafile/DataFileWriter.h"
#include "datafile/TextDigest.h"
#include "platform/File.h"

#include <cstddef>
#include <string>

namespace {

constexpr std::size_t kPartBytes = 128 * 1024;

} // namespace

int CDataFile::ReadFromXML(CData& data, CFile& file)
{
    return CDataFileReader(data, &m_fingerprint).Read(file);
}

// The text is rendered, digested and written in parts: the whole text is never held, and the
// one buffer of a part is used again and again, so a save takes no fresh memory the size of the
// file (on a virtual machine the first touch of a page costs more than rendering into it). The
// digest answers both whether the text differs from the text before and, once written, what the
// file now holds. "-> write to file" is logged as the first part goes to the file: for a file
// smaller than a part after all records, as when the text was written in one piece.
int CDataFile::WriteToXML(const CData& data, CFile& file)
{
    LogDataFile(data, "CData::WriteToXML()");
    m_writtenUnchanged = false;
    CTextDigest digest;
    bool writing = false;
    CDataFileWriter(data, true)
        .Render(
            [&](std::string_view part) {
                if (!writing) {
                    LogDataFile(data, "CData::WriteToXML() -> write to file");
                    writing = true;
                }
                digest.Add(part);
                file.Write(part.data(), part.size());
            },
            kPartBytes);
    if (!writing)
        LogDataFile(data, "CData::WriteToXML() -> write to file");
    m_writtenUnchanged = m_fingerprint.Matches(digest);
    m_fingerprint.Remember(digest);
    LogDataFile(data, "CData::WriteToXML() -> OK");
    return 0;
}

// The text is rendered and digested in parts, as for a write: asking costs no memory the size
// of the file, and the one buffer of a part stays in the cache and takes few page faults.
bool CDataFile::IsUnchanged(const CData& data) const
{
    if (!m_fingerprint.IsSet())
        return false;
    CTextDigest digest;
    CDataFileWriter(data, false).Render([&digest](std::string_view part) { digest.Add(part); }, kPartBytes);
    return m_fingerprint.Matches(digest);
}
