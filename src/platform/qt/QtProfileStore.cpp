#include "QtProfileStore.h"

#include "platform/qt/TextConversion.h"

#include <QByteArray>
#include <QStringList>
#include <QVariant>

namespace {

bool IsBinary(const QVariant& value)
{
    return value.typeId() == QMetaType::QByteArray;
}

} // namespace

CQtProfileStore::CQtProfileStore()
    : m_settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Harlow-Software"),
                 QStringLiteral("Kostenkoch"))
{}

std::optional<std::string> CQtProfileStore::GetString(const std::string& section,
                                                      const std::string& entry) const
{
    const QVariant value = m_settings.value(Key(section, entry));
    if (!value.isValid() || IsBinary(value))
        return std::nullopt;
    // A hand-written "1,2,3" without quotes reads back as a list in the text format.
    if (value.typeId() == QMetaType::QStringList)
        return FromQStringLossy(value.toStringList().join(QLatin1Char(',')));
    return FromQStringLossy(value.toString());
}

bool CQtProfileStore::WriteString(const std::string& section, const std::string& entry,
                                  const std::string& value)
{
    return Store(Key(section, entry), ToQString(value));
}

std::optional<std::vector<uint8_t>> CQtProfileStore::GetBinary(const std::string& section,
                                                               const std::string& entry) const
{
    const QVariant value = m_settings.value(Key(section, entry));
    if (!IsBinary(value))
        return std::nullopt;
    const QByteArray bytes = value.toByteArray();
    return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

bool CQtProfileStore::WriteBinary(const std::string& section, const std::string& entry,
                                  const std::vector<uint8_t>& value)
{
    const QByteArray bytes(reinterpret_cast<const char*>(value.data()), static_cast<qsizetype>(value.size()));
    return Store(Key(section, entry), bytes);
}

QString CQtProfileStore::Key(const std::string& section, const std::string& entry)
{
    if (section.empty())
        return ToQString(entry);
    return ToQString(section) + QLatin1Char('/') + ToQString(entry);
}

bool CQtProfileStore::Store(const QString& key, const QVariant& value)
{
    m_settings.setValue(key, value);
    m_settings.sync();
    return m_settings.status() == QSettings::NoError;
}
