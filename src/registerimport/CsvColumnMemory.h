#pragma once

#include "CsvColumns.h"

#include <optional>
#include <string>
#include <vector>

class CProfileStore;

// Remembers the column assignment a user confirmed for a journal, keyed by the set of its
// column headings, in the per-user profile store, so that the next journal with the same
// headings opens with the same assignment.
class CCsvColumnMemory
{
public:
    explicit CCsvColumnMemory(CProfileStore& store);

    std::optional<CCsvColumns> Recall(const std::vector<std::string>& headings) const;
    // The assignment to offer for a journal with these first-row fields: the remembered one,
    // else what the names suggest (GuessCsvColumns).
    CCsvColumns Offer(const std::vector<std::string>& headings) const;
    [[nodiscard]] bool Remember(const std::vector<std::string>& headings, const CCsvColumns& columns);

private:
    CProfileStore& m_store;
};
