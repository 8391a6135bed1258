#pragma once

#include <QString>

// What a CNumberEdit asks of its dialog: select the record whose name matches the search
// text (in capitals), the previous or the next record.
class CNumberEditRequests
{
public:
    virtual ~CNumberEditRequests() = default;

    virtual void SelectMatching(const QString& searchText) = 0;
    virtual void SelectPrevious() = 0;
    virtual void SelectNext() = 0;
};
