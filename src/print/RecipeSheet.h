#pragma once

#include "print/RecipePrintRequest.h"

#include <QSize>
#include <QString>
#include <QStringList>

class CListCtrlData;
class CPrintLayout;
class CRecipe;

// The recipe sheet ("Rezeptblatt", for the kitchen) and the calculation sheet ("Kalkulation")
// of a recipe, for its own portions or for N: the name, the selling price (recipe sheet) or
// the block of prices, margin and ratio (calculation sheet), the picture with the remark
// wrapped beside it, and the recipe lines as a table (without prices on the recipe sheet).
class CRecipeSheet
{
public:
    // `picturePath` is the full path of the recipe's picture, empty when it has none.
    CRecipeSheet(const CRecipe& recipe, const CRecipePrintRequest& request, QString picturePath);

    bool Layout(CPrintLayout& layout) const;

    // The lines of the sheet in their order: "Nr.", "Name", "Menge", "Einheit", "Preis", the
    // amounts and prices for the sheet's portions, "Preis" hidden on the recipe sheet.
    static void FillLines(CListCtrlData& list, const CRecipe& recipe, const CRecipePrintRequest& request);
    // A picture of `image`'s proportions at most half the content width less two lines wide
    // and ten lines high; empty when no room is left.
    static QSize PictureSize(const QSize& image, int contentWidth, int line);

private:
    struct CCursor
    {
        int Page;
        int Y;
    };
    // Where the remark stands beside the picture: on its page, above its bottom, from X on.
    struct CBeside
    {
        int Page;
        int Bottom;
        int X;
    };

    QString Money(double value, const std::string& currency) const;
    // Moves to the next page when a block of `height` does not fit below the cursor.
    static void MakeRoom(CPrintLayout& layout, CCursor& at, int height);
    void AddLine(CPrintLayout& layout, CCursor& at, const QString& text) const;
    void AddName(CPrintLayout& layout, CCursor& at) const;
    void AddPictureAndRemark(CPrintLayout& layout, CCursor& at) const;
    QStringList RemarkParagraphs() const;
    void AddParagraph(CPrintLayout& layout, CCursor& at, const CBeside& beside,
                      const QString& paragraph) const;
    void AddPrices(CPrintLayout& layout, CCursor& at) const;
    // What the money values are multiplied by: N for an N-portions sheet, else 1.
    double MoneyFactor() const;

    const CRecipe& m_recipe;
    CRecipePrintRequest m_request;
    QString m_picturePath;
};
