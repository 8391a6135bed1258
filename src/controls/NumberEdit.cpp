#include "NumberEdit.h"

#include "NumberEditRequests.h"
#include "platform/SystemClock.h"

#include <QKeyEvent>
#include <algorithm>

namespace {

const CClock& SystemClock()
{
    static const CSystemClock clock;
    return clock;
}

bool IsEnter(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// Printable text that is not made of number characters only.
bool IsSearchText(const QString& typed)
{
    if (typed.isEmpty() || !QChar::isPrint(typed.toUcs4().first()))
        return false;
    return !std::all_of(typed.begin(), typed.end(), IsNumberCharacter);
}

} // namespace

CNumberEdit::CNumberEdit(QWidget* parent) : QLineEdit(parent), m_typeAhead(SystemClock())
{
    // Composed input would bypass the key filter; amounts need none.
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

void CNumberEdit::keyPressEvent(QKeyEvent* event)
{
    if (IsSearchText(event->text())) {
        Search(event->text());
        event->accept();
        return;
    }
    const bool enter = AskForNavigation(event->key()) && IsEnter(event->key());
    QLineEdit::keyPressEvent(event);
    if (enter)
        event->accept();
}

// Returns whether the key was one of the navigation keys.
bool CNumberEdit::AskForNavigation(int key)
{
    const bool previous = key == Qt::Key_Up || key == Qt::Key_PageUp;
    const bool next = key == Qt::Key_Down || key == Qt::Key_PageDown || IsEnter(key);
    if (m_requests && previous)
        m_requests->SelectPrevious();
    if (m_requests && next)
        m_requests->SelectNext();
    return previous || next;
}

void CNumberEdit::Search(const QString& typed)
{
    const QString searchText = m_typeAhead.Add(typed);
    if (m_requests)
        m_requests->SelectMatching(searchText);
}

bool IsNumberCharacter(QChar character)
{
    return CNumberEdit::kAcceptedCharacters.contains(character);
}
