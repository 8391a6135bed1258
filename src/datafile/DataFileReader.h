#pragma once

#include "datafile/DataFileRecordReader.h"

#include <string_view>

class CData;
class CDataFileFingerprint;
class CDataFileNode;
class CDataFileRecordSink;
class CFile;
struct CTarnXMLNode;

// Reads a data file into a catalogue: the whole text at once (mapped where the system can),
// parsed by the XML document library, which hands each record to CDataFileRecordSink as soon as
// it is parsed; then one pass over what is left of the tree, and finally the recipe lines are
// linked to their ingredients and sub-recipes. Logs each step and shows the progress texts
// through the catalogue's owner.
class CDataFileReader
{
public:
    // A read that succeeds remembers the text in `fingerprint`, when one is given.
    explicit CDataFileReader(CData& data, CDataFileFingerprint* fingerprint = nullptr);

    // 0 = done; 1 = the file could not be read, parsed or walked (records read so far stay);
    // 2 = the text parses but holds no Kostenkoch element, so it is no catalogue at all.
    int Read(CFile& file);
    // Reads the first element named Kostenkoch at or below `node`; accepts none.
    void Init(const CTarnXMLNode* node);

private:
    // Logs the failure of a read; 1.
    int Fail();
    // Parses the zero-terminated `text` in place and reads the tree.
    void Parse(std::string_view text);
    void ReadRoot(const CDataFileNode& root);
    void ReadMainUserdata(const CDataFileNode& node);
    void ReadMainNames(const CDataFileNode& node);
    void ReadIngredients(const CDataFileNode& node);
    void ReadRecipes(const CDataFileNode& node);
    void ReadSales(const CDataFileNode& node);
    void RestoreReferences();

    CData& m_data;
    CDataFileRecordReader m_records;
    CDataFileFingerprint* m_fingerprint;
    // While the tree of a parse is walked: the records read during the parse.
    const CDataFileRecordSink* m_sink = nullptr;
    // Records were added since the lines were last linked.
    bool m_restorePending = true;
    bool m_rootFound = false;
};
