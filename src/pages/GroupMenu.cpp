#include "GroupMenu.h"

#include "pages/GroupMenuTable.h"
#include "platform/qt/TextConversion.h"

#include <QMenu>
#include <memory>

namespace {

// Menu texts show "&" as such.
QString MenuText(const std::string& name)
{
    return ToQString(name).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace

QMenu* CGroupMenu::Create(const CGroupMenuTable& table, QWidget* parent)
{
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("groupMenu"));
    const auto entries = table.MenuEntries();
    for (const CGroupMenuTable::CEntry& entry : entries)
        menu->addAction(MenuText(entry.Name))->setData(entry.Command);
    if (!entries.empty())
        menu->addSeparator();
    menu->addAction(QStringLiteral("alle Warengruppen"))->setData(CGroupMenuTable::kAllCommand);
    return menu;
}

std::optional<std::string> CGroupMenu::Choose(const CGroupMenuTable& table, QWidget* button)
{
    const std::unique_ptr<QMenu> menu(Create(table, button));
    const QAction* chosen = menu->exec(button->mapToGlobal(button->rect().topRight()));
    if (!chosen)
        return std::nullopt;
    return table.NameOf(chosen->data().toInt());
}
