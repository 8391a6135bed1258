#include "QtPlatformServices.h"

#include "platform/PlatformPaths.h"
#include "platform/qt/TextConversion.h"

namespace {

constexpr const char* kSettingsFileName = "Kostenkoch.ini";

} // namespace

CQtPlatformServices::CQtPlatformServices()
{
    m_services.Clock = &m_clock;
    m_services.Messages = &m_messages;
    m_services.FileDialogs = &m_fileDialogs;
    m_services.Profile = &m_profile;
    m_services.Files = &m_files;
    m_services.Opener = &m_opener;
    m_services.ProgramDirectory = CPlatformPaths::ToText(CPlatformPaths::ExecutableDirectory());
    m_services.SettingsFile = CPlatformPaths::ToText(CPlatformPaths::SettingsFile(kSettingsFileName));
    m_services.DataCandidates = CDataCandidates::FromPlatform();
}
