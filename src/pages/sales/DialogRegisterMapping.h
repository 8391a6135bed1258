#pragma once

#include <QDialog>
#include <memory>
#include <vector>

class CData;
class CListCtrlEx;
class CPageHost;
class CRecipe;
class CRegisterItemTable;
class QComboBox;
class QLabel;
class QPushButton;

// "Kassenartikel den Gerichten zuordnen": every item of a register import with its revenue,
// portions, the proposed dish and how sure the proposal is, and the dish it is booked as. The
// user confirms the proposal (Enter on a row, or for all sure ones at once), picks a dish, marks
// "kein Gericht – nicht buchen" or leaves it open; each on all selected rows. The dialog edits
// its own copy of the items; OK hands it back through Items().
class CDialogRegisterMapping final : public QDialog
{
    Q_OBJECT

public:
    CDialogRegisterMapping(CPageHost& host, const CData& data, const CRegisterItemTable& items,
                           QWidget* parent = nullptr);
    ~CDialogRegisterMapping() override;

    const CRegisterItemTable& Items() const { return *m_items; }
    void done(int result) override;

    void ConfirmProposals();
    // Confirms the proposals of every open item found by name alone (exact, case, spelling).
    void ConfirmSureProposals();
    void AssignDish();
    void ChooseNoDish();
    void Reopen();

    CListCtrlEx* List() const { return m_list; }
    QComboBox* DishField() const { return m_dish; }
    QLabel* OpenCount() const { return m_openCount; }

    static constexpr const char* kLayoutSection = "DialogRegisterMapping";
    static constexpr const char* kLayoutEntry = "ItemList";

private:
    void BuildForm();
    void AddColumns();
    void FillList();
    std::vector<int> SelectedRows() const;
    // Changes the selected rows, refills and selects them again.
    template <class Change> void ChangeSelected(Change change);

    CPageHost& m_host;
    std::unique_ptr<CRegisterItemTable> m_items;
    std::vector<const CRecipe*> m_dishes; // in the order of the dish field
    CListCtrlEx* m_list = nullptr;
    QComboBox* m_dish = nullptr;
    QLabel* m_openCount = nullptr;
};
