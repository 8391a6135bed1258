#pragma once

#include "datafile/DataFileFingerprint.h"

class CData;
class CFile;

// The data file of one catalogue: reads the catalogue from its text and writes it back, and
// keeps the fingerprint of the text last read or written, so that IsUnchanged can tell whether
// saving would change the file. The catalogue itself knows nothing of files.
class CDataFile
{
public:
    // Reads the whole file into `data`, which should be a fresh catalogue: 0 = done, 1 = the
    // text could not be read, parsed or walked (what was read so far stays in `data`), 2 = it
    // holds no Kostenkoch element.
    [[nodiscard]] int ReadFromXML(CData& data, CFile& file);
    // Renders the catalogue and writes it, part by part; 0. The fingerprint is taken only once the
    // file holds the text, so a failed write leaves the catalogue counted as changed.
    int WriteToXML(const CData& data, CFile& file);
    // Whether rendering `data` now gives the text last read or written.
    bool IsUnchanged(const CData& data) const;
    // Whether the text of the last WriteToXML was the text read or written before it: what
    // IsUnchanged would have said just before that write, without rendering twice.
    bool WrittenUnchanged() const { return m_writtenUnchanged; }
    // After a save that failed after writing: the catalogue counts as changed.
    void Forget() { m_fingerprint.Forget(); }

private:
    CDataFileFingerprint m_fingerprint;
    bool m_writtenUnchanged = false;
};
