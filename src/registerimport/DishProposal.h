#pragma once

class CRecipe;

// The dish the mapping proposes for a register item, how it was found and how sure it is.
// A proposal is only a suggestion: nothing is booked on it until the user confirms it.
struct CDishProposal
{
    enum class EKind {
        None,       // no dish name comes close enough
        Exact,      // the item text is the dish's name
        IgnoreCase, // the same letters in another case
        Normalised, // the same letters once umlauts, ß, spacing and punctuation are evened out
        Closest,    // the closest name above the threshold
    };

    const CRecipe* Dish = nullptr;
    EKind Kind = EKind::None;
    double Sureness = 0.0; // 0 to 1
};
