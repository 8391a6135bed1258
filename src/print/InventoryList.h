#pragma once

#include <QString>
#include <QStringList>
#include <vector>

class CData;
class CIngredient;
class CPrintLayout;
class QFontMetrics;

// The inventory list ("Inventurliste"): every ingredient kept in stock, in catalogue order,
// under a heading for each group ("Sonstige Zutaten" for those without one). A dotted leader
// runs from the name to the stock. Stock, unit and value keep the width of their widest text; a
// name longer than the room left wraps onto at most three lines. The empty list is a form for counting by
// hand (nine full stops where the stock goes, no values); the filled one shows the stock, its value and the
// total value at the end.
class CInventoryList
{
public:
    enum EKind { Empty, Filled };

    CInventoryList(const CData& data, EKind kind) : m_data(data), m_kind(kind) {}

    bool Layout(CPrintLayout& layout) const;

    // The ingredients the list shows: those whose stock flag is set, in catalogue order.
    std::vector<const CIngredient*> Ingredients() const;
    // `text` right aligned in `width`, led by as many leader dots (a full stop and three blanks
    // each, at most 60) as fit before it.
    static QString WithLeader(const QString& text, int width, const QFontMetrics& metrics);

private:
    struct CColumns
    {
        int Name = 0;  // the widest name, gap included
        int Stock = 0; // the widest stock with the shortest leader
        int Unit = 0;  // the widest unit
        int Value = 0; // the widest value with its currency, gap included
    };
    struct CRowGeometry;
    struct CCursor
    {
        int Page;
        int Y;
    };

    CColumns Measure(CPrintLayout& layout, const std::vector<const CIngredient*>& ingredients) const;
    CRowGeometry Geometry(CPrintLayout& layout, const CColumns& columns) const;
    QStringList NameLines(CPrintLayout& layout, const CRowGeometry& row, const CIngredient& ingredient) const;
    // Adds the row below the cursor and moves the cursor below it.
    void AddRow(CPrintLayout& layout, CCursor& at, const CRowGeometry& row, const QStringList& name,
                const CIngredient& ingredient) const;
    void AddTotal(CPrintLayout& layout, CCursor& at, const CRowGeometry& row) const;
    QString StockText(const CIngredient& ingredient) const;
    QString ValueText(double value) const;

    const CData& m_data;
    EKind m_kind;
};
