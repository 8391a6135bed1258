#include "StoredNumbers.h"

#include "pages/common/FieldLeaveWatcher.h"
#include "pages/common/NumberField.h"
#include "pages/common/PageHost.h"

#include <QKeyEvent>
#include <QLineEdit>

CStoredNumbers::CStoredNumbers(CPageHost& host, QObject* parent)
    : QObject(parent), m_host(host), m_watcher(new CFieldLeaveWatcher(this))
{}

void CStoredNumbers::Bind(QLineEdit* field, CTarget target, int precision)
{
    m_bindings.push_back({field, std::move(target), precision});
    m_watcher->Watch(field, [this, field] { CheckOnLeave(field); });
    field->installEventFilter(this);
}

void CStoredNumbers::Show(CData& data)
{
    for (const CBinding& binding : m_bindings)
        ShowStored(binding, data);
}

QLineEdit* CStoredNumbers::Refused() const
{
    double value = 0.0;
    for (const CBinding& binding : m_bindings) {
        if (binding.Field->isModified() && !NumberField::ReadQuietly(binding.Field, value))
            return binding.Field;
    }
    return nullptr;
}

void CStoredNumbers::Take(CData& data)
{
    for (const CBinding& binding : m_bindings) {
        double value = 0.0;
        double* target = binding.Target(data);
        if (!target || !binding.Field->isModified() || !NumberField::ReadQuietly(binding.Field, value))
            continue;
        *target = value;
        ShowStored(binding, data);
    }
}

// Showing the value resets the field's changed state.
void CStoredNumbers::ShowStored(const CBinding& binding, CData& data)
{
    if (const double* value = binding.Target(data))
        NumberField::Show(binding.Field, *value, binding.Precision);
    else
        binding.Field->clear();
}

void CStoredNumbers::CheckOnLeave(QLineEdit* field)
{
    double value = 0.0;
    if (field->isModified())
        NumberField::Read(field, m_host.Messages(), value);
}

bool CStoredNumbers::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        const CBinding* binding = Find(watched);
        if (binding && m_host.GetData()) {
            ShowStored(*binding, *m_host.GetData());
            binding->Field->selectAll();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

const CStoredNumbers::CBinding* CStoredNumbers::Find(const QObject* field) const
{
    for (const CBinding& binding : m_bindings) {
        if (binding.Field == field)
            return &binding;
    }
    return nullptr;
}
