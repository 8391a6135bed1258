#pragma once

#include <optional>
#include <string>

class CGroupMenuTable;
class QMenu;
class QWidget;

// The "Warengruppen" menu of the ingredients page and of the selection dialog: the table's names
// from the top down, a separator and "alle Warengruppen".
namespace GroupMenu {

// The caller owns the menu; each action's data is its command id.
QMenu* Create(const CGroupMenuTable& table, QWidget* parent);
// Shows the menu at the top right corner of `button`, named like the button for screen
// readers, and returns the chosen filter: a group name, empty for "alle Warengruppen",
// nothing when the menu was closed without a choice.
std::optional<std::string> Choose(const CGroupMenuTable& table, QWidget* button);

} // namespace GroupMenu
