#pragma once

class CData;

// Which records the recipes and sales pages list: the section selected in the main window's
// bar, read against the sections of "Alle", "Alle Speisen", "Alle Getränke" and the group
// sections kept in CData::GroupSection. -1 stands for "no such section".
struct CGroupSelection
{
    int Selected = -1;
    int All = -1;
    int AllFood = -1;
    int AllDrinks = -1;

    // Whether a record of `group` is listed: every record under "Alle", the food groups (below
    // the catalogue's number of food groups) under "Alle Speisen", the others under "Alle
    // Getränke", else the group whose section is selected. A group outside 0..19 is listed
    // under "Alle" only.
    bool ShowsGroup(int group, const CData& data) const;
};
