#pragma once

#include "catalogue/Data.h"
#include "pages/common/GroupSelection.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

// The sections the bar shows for a tab: their texts (Windows-1252) and colours, and for the
// recipes and sales tabs which section stands for "Alle", "Alle Speisen", "Alle Getränke"
// and each group.
class CSectionPlan
{
public:
    struct CColor
    {
        int Red = 0;
        int Green = 0;
        int Blue = 0;
        bool operator==(const CColor&) const = default;
    };
    struct CEntry
    {
        std::string Text;
        // None: the bar's face colour.
        std::optional<CColor> Color;
        bool operator==(const CEntry&) const = default;
    };

    static constexpr CColor kAllColor{255, 220, 220};
    static constexpr CColor kAllOfKindColor{220, 220, 255};

    std::vector<CEntry> Entries;
    // Sections of the three selectors; -1 on tabs without them.
    CGroupSelection Selectors;
    // Per group 0..19 the section that shows it, -1 for a group without a name.
    std::array<int, CData::kNbGroups> GroupSection;

    CSectionPlan() { GroupSection.fill(-1); }

    // "Benutzer", "Speisen-Gruppen", "Getränke-Gruppen", the two tax, the two ratio sections
    // and "Währungen": one per master data page.
    static CSectionPlan MasterData();
    // "Alle", "Alle Speisen", then every named group in order with "Alle Getränke" just before
    // the first drink group.
    static CSectionPlan Groups(const CData& data);
    // One section per measure of the evaluation (its index is the measure).
    static CSectionPlan Evaluation();

private:
    static CSectionPlan FromIds(std::initializer_list<int> ids);
    int Add(const std::string& text, std::optional<CColor> color = std::nullopt);
};
