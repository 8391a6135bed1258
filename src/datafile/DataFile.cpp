#include "DataFile.h"

#include "datafile/DataFileLog.h"
#include "datafile/DataFileReader.h"
#include "datafile/DataFileWriter.h"
#include "platform/File.h"

#include <string>

int CDataFile::ReadFromXML(CData& data, CFile& file)
{
    return CDataFileReader(data, &m_fingerprint).Read(file);
}

int CDataFile::InitFromXML(CData& data, const CTarnXMLNode* node)
{
    CDataFileReader(data).Init(node);
    return 1;
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

bool CDataFile::IsUnchanged(const CData& data) const
{
    return m_fingerprint.IsSet() && m_fingerprint.Matches(CDataFileWriter(data, false).Render());
}
