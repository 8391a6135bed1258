#include "MainMenu.h"

#include "app/MenuState.h"

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
    AddMenu(FileMenu, "menuFile", "&Datei");
    AddAction(FileMenu, Open, "actionOpen", "Ö&ffnen ...", QKeySequence::Open);
    AddAction(FileMenu, Save, "actionSave", "&Speichern", QKeySequence::Save);
    AddAction(FileMenu, SaveAs, "actionSaveAs", "Speichern &unter ...", QKeySequence::SaveAs,
              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    m_menus[FileMenu]->addSeparator();
    AddAction(FileMenu, Print, "actionPrint", "&Drucken ...", QKeySequence::Print);
    m_menus[FileMenu]->addSeparator();
    AddAction(FileMenu, Exit, "actionExit", "&Beenden", QKeySequence::Quit,
              QKeySequence(Qt::CTRL | Qt::Key_Q));
}

void CMainMenu::BuildInventoryMenu()
{
    AddMenu(InventoryMenu, "menuInventory", "&Inventur");
    AddAction(InventoryMenu, InventoryEmptyList, "actionInventoryEmptyList",
              "&leere Inventurliste drucken ...");
    AddAction(InventoryMenu, InventoryStockEntry, "actionInventoryStockEntry",
              "Inventurbestände &eintragen ...");
    AddAction(InventoryMenu, InventoryList, "actionInventoryList", "&Inventurliste drucken ...");
}

void CMainMenu::BuildExtrasMenu()
{
    QMenu* extras = AddMenu(ExtrasMenu, "menuExtras", "&Extras");
    AddMenu(LanguageMenu, "menuLanguage", "&Sprache", extras);
    for (QAction* action : {AddAction(LanguageMenu, German, "actionLanguageGerman", "&Deutsch"),
                            AddAction(LanguageMenu, English, "actionLanguageEnglish", "&Englisch"),
                            AddAction(LanguageMenu, Romanian, "actionLanguageRomanian", "&Rumänisch")})
        action->setCheckable(true);
    AddAction(ExtrasMenu, Import, "actionImport", "Daten &importieren");
}

void CMainMenu::BuildHelpMenu()
{
    AddMenu(HelpMenu, "menuHelp", "&?");
    AddAction(HelpMenu, Help, "actionHelp", "&Hilfe aufrufen", QKeySequence::HelpContents);
    AddAction(HelpMenu, About, "actionAbout", "Ü&ber Kostenkoch ...");
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
