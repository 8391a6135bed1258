#include "MainMenu.h"

#include "app/MenuState.h"
#include "resources/GermanDialogTexts.h"

#include <QMenuBar>

CMainMenu::CMainMenu(QWidget* parent) : m_bar(new QMenuBar(parent))
{
    m_bar->setObjectName(QStringLiteral("menuBar"));
    m_bar->setNativeMenuBar(false);
    BuildFileMenu();
    BuildInventoryMenu();
    BuildExtrasMenu();
    BuildHelpMenu();
}

QMenu* CMainMenu::AddMenu(EMenu menu, const char* objectName, const char* text, QMenu* parent)
{
    QMenu* created =
        parent ? parent->addMenu(QString::fromUtf8(text)) : m_bar->addMenu(QString::fromUtf8(text));
    created->setObjectName(QString::fromLatin1(objectName));
    m_menus[menu] = created;
    return created;
}

QAction* CMainMenu::AddAction(EMenu menu, ECommand command, const char* objectName, const char* text,
                              QKeySequence::StandardKey shortcut, const QKeySequence& fallback)
{
    QAction* action = m_menus[menu]->addAction(QString::fromUtf8(text));
    action->setShortcuts(Shortcuts(shortcut, fallback));
    action->setObjectName(QString::fromLatin1(objectName));
    m_actions[command] = action;
    return action;
}

// The platform's keys for a standard command; where the platform has none (no "Quit" key on
// Windows, no "Save as" key on some desktops), the fallback.
QList<QKeySequence> CMainMenu::Shortcuts(QKeySequence::StandardKey shortcut, const QKeySequence& fallback)
{
    QList<QKeySequence> keys;
    if (shortcut != QKeySequence::UnknownKey)
        keys = QKeySequence::keyBindings(shortcut);
    if (keys.isEmpty() && !fallback.isEmpty())
        keys.append(fallback);
    return keys;
}

void CMainMenu::BuildFileMenu()
{
    AddMenu(FileMenu, "menuFile", DialogText::MenuBar::kFile);
    AddAction(FileMenu, Open, "actionOpen", DialogText::FileMenu::kOpen, QKeySequence::Open);
    AddAction(FileMenu, Save, "actionSave", DialogText::FileMenu::kSave, QKeySequence::Save);
    AddAction(FileMenu, SaveAs, "actionSaveAs", DialogText::FileMenu::kSaveAs, QKeySequence::SaveAs,
              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    m_menus[FileMenu]->addSeparator();
    AddAction(FileMenu, Print, "actionPrint", DialogText::FileMenu::kPrint, QKeySequence::Print);
    m_menus[FileMenu]->addSeparator();
    AddAction(FileMenu, Exit, "actionExit", DialogText::FileMenu::kExit, QKeySequence::Quit,
              QKeySequence(Qt::CTRL | Qt::Key_Q));
}

void CMainMenu::BuildInventoryMenu()
{
    AddMenu(InventoryMenu, "menuInventory", DialogText::MenuBar::kInventory);
    AddAction(InventoryMenu, InventoryEmptyList, "actionInventoryEmptyList",
              DialogText::InventoryMenu::kEmptyList);
    AddAction(InventoryMenu, InventoryStockEntry, "actionInventoryStockEntry",
              DialogText::InventoryMenu::kStockEntry);
    AddAction(InventoryMenu, InventoryList, "actionInventoryList", DialogText::InventoryMenu::kList);
}

void CMainMenu::BuildExtrasMenu()
{
    QMenu* extras = AddMenu(ExtrasMenu, "menuExtras", DialogText::MenuBar::kExtras);
    AddMenu(LanguageMenu, "menuLanguage", DialogText::ExtrasMenu::kLanguage, extras);
    for (QAction* action :
         {AddAction(LanguageMenu, German, "actionLanguageGerman", DialogText::LanguageMenu::kGerman),
          AddAction(LanguageMenu, English, "actionLanguageEnglish", DialogText::LanguageMenu::kEnglish),
          AddAction(LanguageMenu, Romanian, "actionLanguageRomanian", DialogText::LanguageMenu::kRomanian)})
        action->setCheckable(true);
    AddAction(ExtrasMenu, Import, "actionImport", DialogText::ExtrasMenu::kImport);
    extras->addSeparator();
    AddAction(ExtrasMenu, RegisterImport, "actionRegisterImport", DialogText::ExtrasMenu::kRegisterImport);
    AddAction(ExtrasMenu, RegisterUndo, "actionRegisterUndo", DialogText::ExtrasMenu::kRegisterUndo);
    AddAction(ExtrasMenu, CostCheck, "actionCostCheck", DialogText::ExtrasMenu::kCostCheck);
    AddAction(ExtrasMenu, PriceSimulation, "actionPriceSimulation", DialogText::ExtrasMenu::kPriceSimulation);
    AddAction(ExtrasMenu, UndoPriceChange, "actionUndoPriceChange", DialogText::ExtrasMenu::kUndoPriceChange);
}

void CMainMenu::BuildHelpMenu()
{
    AddMenu(HelpMenu, "menuHelp", DialogText::MenuBar::kHelp);
    AddAction(HelpMenu, Help, "actionHelp", DialogText::HelpMenu::kHelp, QKeySequence::HelpContents);
    AddAction(HelpMenu, About, "actionAbout", DialogText::HelpMenu::kAbout);
}

void CMainMenu::Apply(const CMenuState& state)
{
    m_actions[Print]->setEnabled(state.PrintEnabled);
    m_actions[InventoryEmptyList]->setEnabled(state.InventoryListsEnabled);
    m_actions[InventoryList]->setEnabled(state.InventoryListsEnabled);
    m_actions[InventoryStockEntry]->setEnabled(state.StockEntryEnabled);
    m_actions[German]->setChecked(state.GermanChecked);
    m_actions[English]->setChecked(state.EnglishChecked);
    m_actions[Romanian]->setChecked(state.RomanianChecked);
}

void CMainMenu::RemoveImport()
{
    QAction* action = m_actions[Import];
    if (!action)
        return;
    m_menus[ExtrasMenu]->removeAction(action);
    m_actions[Import] = nullptr;
    delete action;
}
