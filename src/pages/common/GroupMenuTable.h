#pragma once

#include "catalogue/Ring.h"

#include <string>
#include <vector>

class CIngredient;

// The goods groups of the "Warengruppen" menu: every group text the ingredients use, at most
// 100, in ascending order of their capitals (ä, ö, ü as Ä, Ö, Ü). A table may reserve its slot 0
// for a name of its own ("Rezepturzutat" in the selection dialog), which then sorts first. The
// menu shows the names from the last slot down to slot 0, each under the command id
// kFirstCommand + its running number.
class CGroupMenuTable
{
public:
    static constexpr int kNbSlots = 100;
    static constexpr int kAllCommand = 40126;   // "alle Warengruppen"
    static constexpr int kFirstCommand = 40127; // the names, 40127 .. 40226

    struct CEntry
    {
        std::string Name;
        int Command = -1;
        bool operator==(const CEntry&) const = default;
    };

    CGroupMenuTable() = default;
    explicit CGroupMenuTable(std::string reservedFirst);

    void Rebuild(const CRing<CIngredient>& ingredients);
    // The named entries in the order the menu shows them, top down.
    std::vector<CEntry> MenuEntries() const;
    // The name under a command id; empty for "alle Warengruppen" and unknown ids.
    std::string NameOf(int command) const;

private:
    void Insert(const std::string& name);
    void AssignCommands();

    std::string m_reserved;
    std::vector<CEntry> m_slots;
};
