#pragma once

#include <array>
#include <cstdint>
#include <string>

class CClock;
class CData;
class CIngredient;

// What the stock dialog does, apart from any window: five rows around the current ingredient,
// the moves between ingredients, storing the stock typed for the current one, and the
// type-ahead search by name. It edits the catalogue's ingredients directly.
//
// Every move first stores the stock text typed for the current ingredient. A text that is not
// a number blocks the move: nothing moves and nothing is stored. A text the user left as it was
// shown keeps the exact amount, so that passing an ingredient never rounds its stock to the
// two shown decimals.
class CStockEntry
{
public:
    static constexpr int kNbRows = 5;
    // The row of the current ingredient, counted from 0.
    static constexpr int kCurrentRow = 2;
    // Ingredients per page of the scroll bar.
    static constexpr int kPageStep = 5;
    // A longer pause between two type-ahead keys starts a new search text.
    static constexpr uint32_t kTypeAheadPause = 1000;
    // Decimals of every figure shown (more for small magnitudes).
    static constexpr int kPrecision = 2;

    enum class EScroll { LineUp, LineDown, PageUp, PageDown, Thumb, Top, Bottom };

    // The texts of one shown row; all empty for a row without an ingredient.
    struct CRow
    {
        std::string Name;
        std::string PricePerUnit;
        std::string Stock;
        std::string Unit;
        std::string Value;
    };

    // The catalogue and the clock must outlive this. The first ingredient becomes current.
    CStockEntry(CData& data, const CClock& clock);

    // Index of the current ingredient in catalogue order; -1 when there is none.
    int Current() const { return m_current; }
    CIngredient* CurrentIngredient() const;
    int Count() const;
    // `row` 0 .. kNbRows - 1; the current ingredient is in kCurrentRow.
    CRow Row(int row) const;
    // The stock of the current ingredient as the stock field shows it after a move.
    const std::string& ShownStock() const { return m_shownStock; }
    // The total stock value of the catalogue.
    std::string TotalText() const;
    // The type-ahead search text, lower case.
    const std::string& SearchText() const { return m_search; }

    // The moves. `typed` is the text of the stock field. Each returns true when the rows were
    // shown anew (the typed stock is stored then), false when nothing moved and nothing was
    // stored: a text that is not a number, Up on the first ingredient, no ingredient at all.
    [[nodiscard]] bool MoveUp(const std::string& typed);
    // On the last ingredient it stays there, still storing the typed stock.
    [[nodiscard]] bool MoveDown(const std::string& typed);
    // The scroll bar: by 1 or kPageStep, to `thumb` (only for Thumb), to the first or last;
    // the index is kept inside the catalogue.
    [[nodiscard]] bool Scroll(EScroll action, int thumb, const std::string& typed);
    // The type-ahead keys of one key press (Windows-1252 bytes; an input method or a compose
    // key may send several at once): the search text grows by all of them, or starts anew after
    // a pause of more than kTypeAheadPause, and the ingredient whose lower-case name shares the
    // longest beginning with it (the first in catalogue order) is shown. The typed stock is
    // stored once, for the ingredient it was typed for.
    [[nodiscard]] bool TypeAhead(const std::string& keys, const std::string& typed);
    // Stores the typed stock without moving (closing the dialog); false when it is no number.
    [[nodiscard]] bool Store(const std::string& typed);

private:
    bool ShowAt(int index, const std::string& typed);
    int FindByName() const;

    CData& m_data;
    const CClock& m_clock;
    int m_current = -1;
    std::string m_shownStock;
    std::string m_search;
    uint32_t m_lastKey = 0;
};
