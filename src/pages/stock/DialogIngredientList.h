#pragma once

#include "pages/stock/StockEntry.h"

#include <QDialog>
#include <array>

class CPageHost;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QWheelEvent;

// "Bestandsdaten": the user enters the counted stock of every ingredient, one after the other.
// Five rows show the current ingredient in the middle with its two neighbours on either side;
// only the stock of the middle row can be edited. Up, Down, Page Up, Page Down and Enter in
// that field, the scroll bar and type-ahead letters move to another ingredient and store the
// typed stock on the way. There is no cancel: OK, Escape and the close box all store the stock
// typed last and close; everything stored before stays.
class CDialogIngredientList : public QDialog
{
    Q_OBJECT

public:
    enum class EColumn { Name, PricePerUnit, Stock, Unit, Value };
    static constexpr int kNbColumns = 5;

    // "Inventurbestände eintragen ...": sorts the catalogue's ingredients by name and lets the
    // user enter their stock. Does nothing without a catalogue.
    static void Run(CPageHost& host, QWidget* parent);

    // The host's catalogue must hold while the dialog is open.
    explicit CDialogIngredientList(CPageHost& host, QWidget* parent = nullptr);

    // Stores the typed stock and closes; a text that is not a number keeps the dialog open
    // with "Geben Sie eine Zahl ein.".
    void accept() override;
    // The same as OK: there is nothing to cancel.
    void reject() override;

    const CStockEntry& Entry() const { return m_entry; }
    QLineEdit* StockField() const { return m_stock; }
    // A shown field; row 0 .. 4, the stock of row 2 is StockField().
    QLineEdit* Field(int row, EColumn column) const { return m_fields[row][static_cast<int>(column)]; }
    QScrollBar* ScrollBar() const { return m_scrollBar; }
    QLineEdit* Total() const { return m_total; }
    QPushButton* OkButton() const { return m_ok; }

    static constexpr const char* kHelpAnchor = "DialogIngredientList";

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The mouse wheel over the rows moves one ingredient per notch, like the scroll bar's arrows.
    void wheelEvent(QWheelEvent* event) override;

private:
    void BuildForm();
    QLayout* BuildRows();
    QLayout* BuildFooter();
    QLineEdit* MakeField(int row, EColumn column);
    void FitFigureColumn(EColumn column);
    bool OnStockKey(int key, const QString& text, Qt::KeyboardModifiers modifiers);
    void OnScrollAction(int action);
    void AfterMove(bool moved);
    void ShowRows();
    std::string Typed() const;

    CPageHost& m_host;
    CStockEntry m_entry;
    std::array<std::array<QLineEdit*, kNbColumns>, CStockEntry::kNbRows> m_fields{};
    QLineEdit* m_stock = nullptr;
    QLineEdit* m_total = nullptr;
    QScrollBar* m_scrollBar = nullptr;
    QPushButton* m_ok = nullptr;
    int m_wheelDelta = 0; // wheel turned but not yet a whole notch
};
