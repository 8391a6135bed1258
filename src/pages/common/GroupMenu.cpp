#include "GroupMenu.h"

#include "controls/model/AccessKeys.h"
#include "pages/common/GroupMenuTable.h"
#include "platform/qt/TextConversion.h"
#include "resources/GermanDialogTexts.h"

#include <QAccessible>
#include <QMenu>
#include <memory>
#include <string>
#include <vector>

QMenu* GroupMenu::Create(const CGroupMenuTable& table, QWidget* parent)
{
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("groupMenu"));
    const auto entries = table.MenuEntries();
    std::vector<std::string> names;
    for (const CGroupMenuTable::CEntry& entry : entries)
        names.push_back(entry.Name);
    names.push_back(FromQString(UiText(DialogText::GroupMenu::kAllGroups)));
    const std::vector<std::string> texts = MenuTextsWithAccessKeys(names);
    for (std::size_t i = 0; i < entries.size(); ++i)
        menu->addAction(ToQString(texts[i]))->setData(entries[i].Command);
    if (!entries.empty())
        menu->addSeparator();
    menu->addAction(ToQString(texts.back()))->setData(CGroupMenuTable::kAllCommand);
    return menu;
}

// A screen reader announces the menu under the name of the button that opened it.
std::optional<std::string> GroupMenu::Choose(const CGroupMenuTable& table, QWidget* button)
{
    const std::unique_ptr<QMenu> menu(Create(table, button));
    if (QAccessibleInterface* opener = QAccessible::queryAccessibleInterface(button)) {
        menu->setTitle(opener->text(QAccessible::Name));
        menu->setAccessibleName(menu->title());
    }
    const QAction* chosen = menu->exec(button->mapToGlobal(button->rect().topRight()));
    if (!chosen)
        return std::nullopt;
    return table.NameOf(chosen->data().toInt());
}
