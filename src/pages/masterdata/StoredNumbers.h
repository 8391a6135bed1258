#pragma once

#include <QObject>
#include <functional>
#include <vector>

class CData;
class CFieldLeaveWatcher;
class CPageHost;
class QLineEdit;

// The number fields of a master data page, each bound to the catalogue value it shows. Only
// what the user changed goes back into the catalogue, so a value is never rounded to the digits
// its field shows. Leaving a changed field whose text is no number says so and keeps the focus
// there; Escape in a field shows its stored value again. Its page deletes it before the fields,
// which lose the focus on their way out.
class CStoredNumbers : public QObject
{
    Q_OBJECT

public:
    // Where a field's value lives in the catalogue; null when the catalogue has none for it
    // (the field then shows nothing and stores nothing).
    using CTarget = std::function<double*(CData&)>;

    CStoredNumbers(CPageHost& host, QObject* parent);

    // `precision` as the number text conversion takes it.
    void Bind(QLineEdit* field, CTarget target, int precision);
    // Every field shows its stored value.
    void Show(CData& data);
    // The first field the user changed to a text that is no number; null when all read.
    QLineEdit* Refused() const;
    // Stores every changed field that reads as a number and shows the value as stored; a field
    // that does not read keeps the stored value (ask Refused first).
    void Take(CData& data);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct CBinding
    {
        QLineEdit* Field;
        CTarget Target;
        int Precision;
    };

    void ShowStored(const CBinding& binding, CData& data);
    void CheckOnLeave(QLineEdit* field);
    const CBinding* Find(const QObject* field) const;

    CPageHost& m_host;
    CFieldLeaveWatcher* m_watcher;
    std::vector<CBinding> m_bindings;
};
