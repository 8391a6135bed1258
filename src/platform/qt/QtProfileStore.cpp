#include "QtProfileStore.h"

#include "platform/Windows1252.h"

#include <QByteArray>
#include <QStringList>
#include <QVariant>

namespace {

QString ToQString(const std::string& bytes)
{
    return QString::fromStdString(Windows1252ToUtf8(bytes));
}

// Characters that Windows-1252 cannot hold (only possible in a hand-edited store) read as
// '?', as a program reading the registry through the code page would see them.
std::string FromQString(const QString& text)
{
    std::string bytes;
    for (const char32_t codePoint : text.toUcs4()) {
        const int byte = CodePointToWindows1252(codePoint);
        bytes += byte < 0 ? '?' : static_cast<char>(byte);
    }
    return bytes;
}

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
        return FromQString(value.toStringList().join(QLatin1Char(',')));
    return FromQString(value.toString());
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
