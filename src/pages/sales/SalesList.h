#pragma once

#include <string>
#include <vector>

class CData;
class CDateTime;
class CRecipe;
class CSale;

// What the sales list shows: the recorded sales of one dish, or of all dishes, in stored
// order, with the caption and the texts and values of their cells.
namespace SalesList {

// The sales linked to `recipe` in stored order; every sale when `recipe` is null.
std::vector<CSale*> Select(CData& data, const CRecipe* recipe);
// "Verkaufsliste : " and the dish's name, or "alle Verkäufe" without a dish (Windows-1252).
std::string Caption(const CRecipe* recipe);
// The date as the chosen language writes short dates: German and Romanian "05.03.2024",
// English "3/5/2024"; "Invalid DateTime" for an invalid date, the empty text for a null one.
std::string DateText(const CDateTime& date);
std::string DateText(const CDateTime& date, int languageId);
// What the sale brought in: its frozen gross price per portion times its portions.
double Price(const CSale& sale);

} // namespace SalesList
