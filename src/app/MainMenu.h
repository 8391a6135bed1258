#pragma once

#include <QKeySequence>
#include <array>

struct CMenuState;
class QAction;
class QMenu;
class QMenuBar;
class QWidget;

// The main window's menu bar: "Datei", "Inventur", "Extras" (with "Sprache") and "?", each
// with its access key, the common commands with the platform's standard shortcuts. It holds
// the actions; the window connects them to its commands and sets their states whenever
// a menu opens. Every menu and action is found by its object name.
class CMainMenu
{
public:
    enum ECommand {
        Open,
        Save,
        SaveAs,
        Print,
        Exit,
        InventoryEmptyList,
        InventoryStockEntry,
        InventoryList,
        German,
        English,
        Romanian,
        Import,
        RegisterImport,
        RegisterUndo,
        CostCheck,
        PriceSimulation,
        UndoPriceChange,
        Help,
        About,
        NbCommands
    };
    enum EMenu { FileMenu, InventoryMenu, ExtrasMenu, LanguageMenu, HelpMenu, NbMenus };

    explicit CMainMenu(QWidget* parent);

    QMenuBar* Bar() const { return m_bar; }
    // Null for "Daten importieren" once it was removed.
    QAction* Action(ECommand command) const { return m_actions[command]; }
    QMenu* Menu(EMenu menu) const { return m_menus[menu]; }

    void Apply(const CMenuState& state);
    // Takes "Daten importieren" out of the menu for good.
    void RemoveImport();

    static QList<QKeySequence> Shortcuts(QKeySequence::StandardKey shortcut, const QKeySequence& fallback);

private:
    QMenu* AddMenu(EMenu menu, const char* objectName, const char* text, QMenu* parent = nullptr);
    QAction* AddAction(EMenu menu, ECommand command, const char* objectName, const char* text,
                       QKeySequence::StandardKey shortcut = QKeySequence::UnknownKey,
                       const QKeySequence& fallback = {});
    void BuildFileMenu();
    void BuildInventoryMenu();
    void BuildExtrasMenu();
    void BuildHelpMenu();

    QMenuBar* m_bar;
    std::array<QMenu*, NbMenus> m_menus{};
    std::array<QAction*, NbCommands> m_actions{};
};
