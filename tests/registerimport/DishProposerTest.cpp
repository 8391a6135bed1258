#include "registerimport/DishProposer.h"

#include "CatalogueBuilder.h"
#include "catalogue/Data.h"
#include "registerimport/ItemNames.h"

#include <gtest/gtest.h>

namespace {

using EKind = CDishProposal::EKind;

TEST(ItemNames, NormalisedNamesEvenOutCaseUmlautsSharpSAndPunctuation)
{
    const struct
    {
        const char* Text;
        const char* Expected;
    } cases[] = {
        {"K\xE4se-Sp\xE4tzle", "kaesespaetzle"},
        {"K\xC4SESP\xC4TZLE", "kaesespaetzle"},
        {"Wei\xDF"
         "bier 0,5 l",
         "weissbier05l"},
        {"Cr\xE8me br\xFBl\xE9"
         "e",
         "cremebrulee"},
        {"  \xD6l & Essig!", "oelessig"},
        {"---", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ItemNames::Normalise(c.Text), c.Expected) << c.Text;
}

// "##apfelstrudl#" has 12 triples, "##apfelstrudel#" 13; they share 10: 2 * 10 / 25.
TEST(ItemNames, SimilarityCountsSharedLetterTriples)
{
    EXPECT_DOUBLE_EQ(ItemNames::Similarity("apfelstrudl", "apfelstrudel"), 0.8);
    EXPECT_DOUBLE_EQ(ItemNames::Similarity("pils", "pils"), 1.0);
    EXPECT_DOUBLE_EQ(ItemNames::Similarity("cola", "pils"), 0.0);
    EXPECT_DOUBLE_EQ(ItemNames::Similarity("", "pils"), 0.0);
}

class DishProposerTest : public testing::Test
{
protected:
    DishProposerTest()
    {
        for (const char* name : {"Wiener Schnitzel", "K\xE4sesp\xE4tzle",
                                 "Wei\xDF"
                                 "bier 0,5 l",
                                 "Pils", "PILS", "Apfelstrudel"})
            AddRecipe(m_data, name, 1.0);
        AddRecipe(m_data,
                  "Bratenso\xDF"
                  "e",
                  1.0)
            .UseForSale = 0;
    }
    std::string DishName(const CDishProposal& proposal) const
    {
        return proposal.Dish ? proposal.Dish->Name : "-";
    }

    CData m_data;
};

TEST_F(DishProposerTest, ExactThenCaseThenNormalisedThenClosestAboveTheThreshold)
{
    const struct
    {
        const char* Item;
        EKind Kind;
        const char* Dish;
        double Sureness;
    } cases[] = {
        {"Wiener Schnitzel", EKind::Exact, "Wiener Schnitzel", 1.0},
        {"wiener SCHNITZEL", EKind::IgnoreCase, "Wiener Schnitzel", 0.95},
        {"K\xC4SESP\xC4TZLE", EKind::IgnoreCase, "K\xE4sesp\xE4tzle", 0.95},
        {"Kaese-Spaetzle", EKind::Normalised, "K\xE4sesp\xE4tzle", 0.9},
        {"Weissbier 0.5l", EKind::Normalised,
         "Wei\xDF"
         "bier 0,5 l",
         0.9},
        // the exact name wins over one that differs only in case, which comes later
        {"PILS", EKind::Exact, "PILS", 1.0},
        {"pils", EKind::IgnoreCase, "Pils", 0.95},
        // 2 * 10 / 25 shared triples, weighed 0.85
        {"Apfelstrudl", EKind::Closest, "Apfelstrudel", 0.8 * 0.85},
        // "schnitzel" 10 triples, "wienerschnitzel" 16, 8 shared: 16 / 26
        {"Schnitzel", EKind::Closest, "Wiener Schnitzel", 16.0 / 26.0 * 0.85},
        // "weizen" shares 3 of 7 and 13 triples with the beer: 0.3 is below the threshold
        {"Weizen", EKind::None, "-", 0.0},
        {"Cola", EKind::None, "-", 0.0},
        // a recipe that is no dish is never proposed
        {"Bratenso\xDF"
         "e",
         EKind::None, "-", 0.0},
        {"", EKind::None, "-", 0.0},
    };
    const CDishProposer proposer(m_data);
    for (const auto& c : cases) {
        const CDishProposal proposal = proposer.Propose(c.Item);
        EXPECT_EQ(proposal.Kind, c.Kind) << c.Item;
        EXPECT_EQ(DishName(proposal), c.Dish) << c.Item;
        EXPECT_NEAR(proposal.Sureness, c.Sureness, 1e-12) << c.Item;
    }
}

} // namespace
