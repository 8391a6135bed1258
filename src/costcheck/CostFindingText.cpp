#include "CostFindingText.h"

#include "resources/StringIds.h"
#include "resources/StringTables.h"

#include <iterator>

namespace {

// The string ids of a fault's two texts and its key.
struct CFaultText
{
    ECostFault Fault;
    int Problem;
    int Advice;
    const char* Key;
};

// In the order of ECostFault.
constexpr CFaultText kTexts[] = {
    {ECostFault::PriceBelowTarget, StringId::kCostPriceBelowTarget, StringId::kCostPriceBelowTargetAdvice,
     "priceBelowTarget"},
    {ECostFault::NoSellingPrice, StringId::kCostNoSellingPrice, StringId::kCostNoSellingPriceAdvice,
     "noSellingPrice"},
    {ECostFault::NoPortions, StringId::kCostNoPortions, StringId::kCostPortionsAdvice, "noPortions"},
    {ECostFault::NoLines, StringId::kCostNoLines, StringId::kCostNoLinesAdvice, "noLines"},
    {ECostFault::NoGroup, StringId::kCostNoGroup, StringId::kCostNoGroupAdvice, "noGroup"},
    {ECostFault::GroupWithoutName, StringId::kCostGroupWithoutName, StringId::kCostGroupAdvice,
     "groupWithoutName"},
    {ECostFault::GroupWithoutTax, StringId::kCostGroupWithoutTax, StringId::kCostGroupAdvice,
     "groupWithoutTax"},
    {ECostFault::GroupWithoutQuote, StringId::kCostGroupWithoutQuote, StringId::kCostGroupAdvice,
     "groupWithoutQuote"},
    {ECostFault::NoSupplierInUse, StringId::kCostNoSupplier, StringId::kCostNoSupplierAdvice,
     "noSupplierInUse"},
    {ECostFault::SupplierAmountZero, StringId::kCostAmountZero, StringId::kCostAmountZeroAdvice,
     "supplierAmountZero"},
    {ECostFault::SupplierPriceZero, StringId::kCostPriceZero, StringId::kCostPriceZeroAdvice,
     "supplierPriceZero"},
    {ECostFault::WeightLoss, StringId::kCostWeightLoss, StringId::kCostWeightLossAdvice, "weightLoss"},
    {ECostFault::NegativeLineAmount, StringId::kCostNegativeLineAmount, StringId::kCostNegativeAdvice,
     "negativeLineAmount"},
    {ECostFault::NegativeSupplierAmount, StringId::kCostNegativeSupplierAmount, StringId::kCostNegativeAdvice,
     "negativeSupplierAmount"},
    {ECostFault::NegativeSupplierPrice, StringId::kCostNegativeSupplierPrice, StringId::kCostNegativeAdvice,
     "negativeSupplierPrice"},
    {ECostFault::NegativeSellingPrice, StringId::kCostNegativeSellingPrice, StringId::kCostNegativeAdvice,
     "negativeSellingPrice"},
    {ECostFault::NegativePortions, StringId::kCostNegativePortions, StringId::kCostPortionsAdvice,
     "negativePortions"},
    {ECostFault::UnusedIngredient, StringId::kCostUnused, StringId::kCostUnusedAdvice, "unusedIngredient"},
    {ECostFault::DroppedCycle, StringId::kCostDroppedCycle, StringId::kCostDroppedAdvice, "droppedCycle"},
    {ECostFault::DroppedTooDeep, StringId::kCostDroppedTooDeep, StringId::kCostDroppedAdvice,
     "droppedTooDeep"},
    {ECostFault::UnresolvedLine, StringId::kCostUnresolvedLine, StringId::kCostUnresolvedLineAdvice,
     "unresolvedLine"},
    {ECostFault::DuplicateName, StringId::kCostDuplicateName, StringId::kCostDuplicateNameAdvice,
     "duplicateName"},
    {ECostFault::NotSoldLately, StringId::kCostNotSold, StringId::kCostNotSoldAdvice, "notSoldLately"},
    {ECostFault::NegativeStock, StringId::kCostNegativeStock, StringId::kCostNegativeAdvice, "negativeStock"},
};

// The table is indexed by the fault: every fault once, in the order of ECostFault.
constexpr bool InFaultOrder()
{
    for (std::size_t index = 0; index < std::size(kTexts); ++index) {
        if (kTexts[index].Fault != static_cast<ECostFault>(index))
            return false;
    }
    return std::size(kTexts) == static_cast<std::size_t>(ECostFault::NegativeStock) + 1;
}
static_assert(InFaultOrder(), "kTexts must follow ECostFault");

const CFaultText& TextOf(ECostFault fault)
{
    return kTexts[static_cast<int>(fault)];
}

// The text of `id` with %1, %2, ... replaced by the values in order.
std::string Fill(int id, const std::vector<std::string>& values)
{
    std::string text = CStringTables::Load(id);
    for (std::size_t index = values.size(); index-- > 0;) {
        // From the last: "%1" must not take the front of "%10".
        const std::string placeholder = "%" + std::to_string(index + 1);
        for (auto at = text.find(placeholder); at != std::string::npos;
             at = text.find(placeholder, at + values[index].size()))
            text.replace(at, placeholder.size(), values[index]);
    }
    return text;
}

} // namespace

namespace CostFindingText {

std::string Severity(ECostSeverity severity)
{
    return CStringTables::Load(StringId::kCostError + static_cast<int>(severity));
}

std::string Record(CCostFinding::ERecord record)
{
    return CStringTables::Load(record == CCostFinding::Ingredient ? StringId::kCostIngredient
                                                                  : StringId::kCostRecipe);
}

std::string Problem(const CCostFinding& finding)
{
    return Fill(TextOf(finding.Fault).Problem, finding.Values);
}

std::string Advice(const CCostFinding& finding)
{
    return Fill(TextOf(finding.Fault).Advice, finding.Values);
}

const char* Key(ECostFault fault)
{
    return TextOf(fault).Key;
}

const char* SeverityKey(ECostSeverity severity)
{
    switch (severity) {
    case ECostSeverity::Error:
        return "error";
    case ECostSeverity::Warning:
        return "warning";
    default:
        return "hint";
    }
}

} // namespace CostFindingText
