#pragma once

#include <string>
#include <vector>

// How much a finding of the costing check matters: an error makes figures wrong, a warning
// makes them doubtful, a hint points at something to tidy up.
enum class ECostSeverity { Error = 0, Warning = 1, Hint = 2 };

// What the costing check can find. The order is the order of the texts (CostFindingText).
enum class ECostFault {
    PriceBelowTarget,       // selling price below the calculated gross price
    NoSellingPrice,         // a dish without a selling price
    NoPortions,             // a recipe yielding 0 portions
    NoLines,                // a recipe without lines
    NoGroup,                // a recipe in no group
    GroupWithoutName,       // the recipe's group has no name
    GroupWithoutTax,        // ... no VAT rate
    GroupWithoutQuote,      // ... no target cost-of-goods ratio
    NoSupplierInUse,        // an ingredient without a supplier in use
    SupplierAmountZero,     // the supplier in use has amount 0
    SupplierPriceZero,      // the supplier in use has price 0
    WeightLoss,             // a line with a weight loss of 100 % or more
    NegativeLineAmount,     // a line with a negative amount
    NegativeSupplierAmount, // the supplier in use has a negative amount
    NegativeSupplierPrice,  // the supplier in use has a negative price
    NegativeSellingPrice,   // a recipe with a negative selling price
    NegativePortions,       // a recipe with a negative number of portions
    UnusedIngredient,       // an ingredient no recipe uses
    DroppedCycle,           // a sub-recipe link the reader dropped: it closed a cycle
    DroppedTooDeep,         // ... it made a chain of sub-recipes too deep
    UnresolvedLine,         // a line that refers to no ingredient and no recipe
    DuplicateName,          // a name another ingredient or recipe bears already
    NotSoldLately,          // a dish without a sale in the last six months
    NegativeStock,          // a stock-kept ingredient with negative stock
};

// One finding: what is wrong with which ingredient or recipe. The record is named by its Id
// (never a pointer: the dialog keeps findings while records are edited) and its name at the
// time of the check. `Values` fill the placeholders %1, %2, ... of the fault's texts; they are
// shown texts (Windows-1252, numbers in the program's number text).
struct CCostFinding
{
    enum ERecord { Ingredient, Recipe };

    ECostFault Fault = ECostFault::NoLines;
    ECostSeverity Severity = ECostSeverity::Warning;
    ERecord Record = Recipe;
    int RecordId = -1;
    std::string Name;
    std::vector<std::string> Values;
    // A dish priced below its target: how many points its cost-of-goods ratio lies above the
    // group's target, and the calculated gross price, which meets it. Also the calculated gross
    // price of a dish without a selling price. 0 for every other fault.
    double Points = 0.0;
    double TargetPrice = 0.0;
};
