#pragma once

#include "catalogue/CatalogueOwner.h"
#include "catalogue/Data.h"
#include "resources/StringTables.h"

// Log lines and progress texts of the data file go to the catalogue's owner, if it has one.
inline void LogDataFile(const CData& data, const char* line)
{
    if (data.Owner)
        data.Owner->WriteLog(line);
}

inline void ShowDataFileStatus(const CData& data, int stringId)
{
    if (data.Owner)
        data.Owner->ShowStatus(CStringTables::Load(stringId));
}
