#pragma once

#include "TypeAhead.h"

#include <QLineEdit>

class CClock;
class CNumberEditRequests;

// An edit field for amounts that lets only number characters in. Every other printable key is
// a type-ahead search in the dialog's records; Up and Page Up ask for the previous record,
// Down, Page Down and Enter for the next one, and are then handled as usual. The field keeps
// Enter to itself, so it does not press the dialog's default button.
class CNumberEdit : public QLineEdit
{
    Q_OBJECT

public:
    static constexpr QStringView kAcceptedCharacters = u"0123456789.,-+";

    // Measures type-ahead pauses with the system clock unless given another with SetClock.
    explicit CNumberEdit(QWidget* parent = nullptr);

    // The dialog's side; not owned. Null for none.
    void SetRequests(CNumberEditRequests* requests) { m_requests = requests; }
    // The clock must outlive the field.
    void SetClock(const CClock& clock) { m_typeAhead.SetClock(clock); }
    QString GetSearchText() const { return m_typeAhead.Text(); }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool AskForNavigation(int key);
    void Search(const QString& typed);

    CNumberEditRequests* m_requests = nullptr;
    CTypeAhead m_typeAhead;
};

// Whether a typed character goes into the field; other printable characters are searched for.
bool IsNumberCharacter(QChar character);
