#pragma once

#include "catalogue/Ring.h"
#include "controls/model/ListColumnSetup.h"
#include "pages/common/SubDialog.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

class CListCtrlEx;
class QHBoxLayout;
class QVBoxLayout;

// A page that is one list of catalogue records above its commands: the ingredients, recipes and
// sales pages. It owns the list with its columns, keeps the list's layout in the profile as the
// user changes it, prints it under the page's title and shows the page's hint while the
// catalogue holds none of its records. Each row carries its record's Id (never a pointer,
// which a load or a delete would leave dangling), so a refill keeps the selected record
// selected, and a record just added or changed is selected and shown.
class CListPage : public CSubDialog
{
    Q_OBJECT

public:
    // What a list page declares: its list's name, columns, layout keys and print title.
    struct CListSetup
    {
        const char* ObjectName;
        std::span<const CListColumnSetup> Columns;
        const char* LayoutSection;
        const char* LayoutEntry;
        int PrintTitleId;
    };

    CListPage(CPageHost& host, const COptions& options, const CListSetup& setup, QWidget* parent = nullptr);

    void InitFromData(CData& data) override;
    void RefreshPage() override;
    // "Drucken ...": the list as shown, under the page's title.
    void Print() override;

    CListCtrlEx* List() const { return m_list; }
    // Refills the list from the catalogue; the selected record stays selected while shown (the
    // benchmarks time this).
    void FillList();

protected:
    // Adds one row per record the page shows, in catalogue order; a row's user data is the
    // record's Id (AddRecordRow).
    virtual void AddRows(CData& data) = 0;
    // How many records of the page's kind the catalogue holds: the hint shows at none, and the
    // tabs follow when the first comes or the last goes.
    virtual int CountRecords(const CData& data) const = 0;
    // The commands of EditButtons; "open this row" (double click or Enter) changes the record.
    virtual void AddRecord() {}
    virtual void ChangeRecord() {}
    virtual void DeleteRecord() {}
    virtual void OpenRow() { ChangeRecord(); }
    // After every refill, for what follows the list (enabled commands and the like).
    virtual void AfterFill() {}

    std::uint32_t AddRecordRow(int recordId);
    // The Id of the selected row's record.
    std::optional<int> SelectedRecordId() const;
    // The selected row's record among `records`, or none.
    template <typename TRecord> TRecord* SelectedIn(CRing<TRecord>& records) const
    {
        const std::optional<int> id = SelectedRecordId();
        for (TRecord& record : records) {
            if (id && record.Id == *id)
                return &record;
        }
        return nullptr;
    }
    // Whether the user wants the record `name` deleted: one that others still use is refused
    // with message `inUseId`, otherwise the question `questionId` is asked ("xyz" is the name).
    bool ConfirmDelete(bool canDelete, int inUseId, int questionId, const std::string& name) const;
    // Selects the record's row and scrolls it into view; false when the list does not show it.
    bool SelectRecord(int recordId);
    // After a record came or went: refill, select `shown` (when given) and let the tabs follow
    // a change between none and some.
    void AfterEdit(int countBefore, std::optional<int> shown);
    // Whether the layout came from the profile (false on a fresh installation).
    bool LayoutLoaded() const { return m_layoutLoaded; }
    // The body below the hint: the list first; pages add their commands after it.
    QVBoxLayout* BodyLayout() const { return m_layout; }
    // A row of "Hinzufügen", "Ändern", "Löschen" for AddRecord, ChangeRecord and DeleteRecord,
    // with the buttons' object names; room for more at its end.
    QHBoxLayout* EditButtons(const char* addName, const char* changeName, const char* deleteName);

private:
    void SaveLayout();
    void UpdateHint();

    CListSetup m_setup;
    CListCtrlEx* m_list = nullptr;
    QVBoxLayout* m_layout = nullptr;
    bool m_layoutLoaded = false;
};
