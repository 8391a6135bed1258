#pragma once

#include "catalogue/Data.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

// The "Datenreihen" menu of the evaluation page and the rules for switching a series on or off.
// The menu lists "Alle" (command 40018) and "Alle Speisen" (40019), then from 40020 on, with
// consecutive commands, every group whose name is not empty in index order, with "Alle
// Getränke" just before the first drink group. At least one and at most eight series are
// shown at any time.
class CSeriesMenuPlan
{
public:
    static constexpr int kFirstCommand = 40018;
    static constexpr int kMaxShown = 8;

    using CFlags = std::array<bool, CData::NbSeries>;

    struct CEntry
    {
        int Command = 0;
        unsigned Selector = 0;
        std::string Name; // Windows-1252
        bool Checked = false;
        bool operator==(const CEntry&) const = default;
    };

    // What a series command does to the flags.
    enum class EToggle { Switched, RefusedMaximum, RefusedMinimum, Unknown };

    CSeriesMenuPlan(const CData& data, const CFlags& flags);

    const std::vector<CEntry>& GetEntries() const { return m_entries; }
    // The series of a command of this menu, or none.
    std::optional<unsigned> SelectorOf(int command) const;

    // Switches the series over unless that would show more than kMaxShown series (refused with
    // message 134) or none at all (refused with message 147); refused or unknown commands leave
    // the flags as they are.
    static EToggle Toggle(CFlags& flags, unsigned selector);
    // The message that tells why a toggle was refused; 0 for the others.
    static int RefusalMessage(EToggle result);
    // The flags of a fresh page: "Alle", "Alle Speisen" and "Alle Getränke", no single group.
    static CFlags DefaultFlags();

private:
    void Append(unsigned selector, std::string name, const CFlags& flags);

    std::vector<CEntry> m_entries;
    int m_next = kFirstCommand;
};
