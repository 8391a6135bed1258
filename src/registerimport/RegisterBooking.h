#pragma once

#include "catalogue/RegisterMapping.h"

#include <optional>
#include <vector>

class CData;
struct CImportPlan;

// What one import changed, so that it can be taken back exactly: the sales it added, the
// portions it added to sales that were there, and the mapping as it was before.
struct CImportUndo
{
    struct CMerged
    {
        int SaleId;
        double Before, After; // the sale's portions before and after the import
    };
    int DataId = -1;
    std::vector<int> Added;
    std::vector<CMerged> Merged;
    CRegisterMapping MappingBefore;
};

// Books an import plan into the catalogue with the merge rule of the sales page: portions go
// into a sale of the same dish, day, cost and gross price per portion where there is one, else
// into a new sale that keeps the dish's name, group, cost and the register's prices.
namespace RegisterBooking {

// False when the catalogue could not take a sale (out of memory): then it is as it was.
[[nodiscard]] bool Book(const CImportPlan& plan, CData& data, CImportUndo& undo);
// Takes an import back: removes the sales it added (those the user deleted meanwhile stay
// deleted), takes its portions out of the sales it merged into, restores the mapping.
void Undo(const CImportUndo& undo, CData& data);

} // namespace RegisterBooking

// The one import that "Import rückgängig machen" takes back: the last one, into the catalogue
// it was booked into, until the next import or the end of the session.
class CRegisterImportStep
{
public:
    [[nodiscard]] bool Book(const CImportPlan& plan, CData& data);
    bool CanUndo(const CData* data) const;
    // False when there is nothing to take back from this catalogue.
    bool Undo(CData& data);
    void Forget() { m_undo.reset(); }

private:
    std::optional<CImportUndo> m_undo;
};
