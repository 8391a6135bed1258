#pragma once

#include <initializer_list>

class QBoxLayout;
class QComboBox;
class QPushButton;
class QWidget;

// What the ingredient dialog and the supplier dialog build alike.
namespace IngredientDialogParts {

// A free-text box offers the names that begin with what was typed in a list below it, but
// never completes the text itself: the typed text stays unless the user picks an entry.
void OfferNamesWithoutCompleting(QComboBox* box);
// Puts OK and "Abbrechen" of a dialog's button row into a QDialogButtonBox at the row's end,
// in the desktop's order. The buttons keep their connections; the box adds none.
void BoxOkAndCancel(QBoxLayout* row, QPushButton* ok, QPushButton* cancel);
// The Tab key visits the widgets in the given order.
void ChainTabOrder(std::initializer_list<QWidget*> widgets);

} // namespace IngredientDialogParts
