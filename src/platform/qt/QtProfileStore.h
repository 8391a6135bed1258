#pragma once

#include "platform/ProfileStore.h"

#include <QSettings>
#include <QString>

// The per-user profile store on QSettings("Harlow-Software", "Kostenkoch") in the native
// format: the registry key HKCU\Software\Harlow-Software\Kostenkoch on Windows,
// $XDG_CONFIG_HOME/Harlow-Software/Kostenkoch.conf elsewhere. A section is a group, the empty
// section the top level. Strings are stored as text (converted from and to Windows-1252),
// binary values as byte arrays; asking for the other kind finds nothing. Every write is
// flushed at once.
class CQtProfileStore : public CProfileStore
{
public:
    CQtProfileStore();

    std::optional<std::string> GetString(const std::string& section, const std::string& entry) const override;
    bool WriteString(const std::string& section, const std::string& entry, const std::string& value) override;

    std::optional<std::vector<uint8_t>> GetBinary(const std::string& section,
                                                  const std::string& entry) const override;
    bool WriteBinary(const std::string& section, const std::string& entry,
                     const std::vector<uint8_t>& value) override;

    // The file or registry path the values go to.
    QString GetLocation() const { return m_settings.fileName(); }

private:
    static QString Key(const std::string& section, const std::string& entry);
    bool Store(const QString& key, const QVariant& value);

    mutable QSettings m_settings;
};
