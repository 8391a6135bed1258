#pragma once

#include "AppServices.h"
#include "platform/PosixFileSystem.h"
#include "platform/SystemClock.h"
#include "platform/qt/QtAddressOpener.h"
#include "platform/qt/QtFileDialogService.h"
#include "platform/qt/QtMessageService.h"
#include "platform/qt/QtProfileStore.h"

// The real services of the desktop program, owned in one place: the system clock, Qt message
// boxes and file dialogs, the QSettings profile, the operating system's files, the desktop's
// browser and the platform's locations. The splash hooks stay empty; the application object
// fills them.
class CQtPlatformServices
{
public:
    CQtPlatformServices();
    CQtPlatformServices(const CQtPlatformServices&) = delete;
    CQtPlatformServices& operator=(const CQtPlatformServices&) = delete;

    const CAppServices& GetServices() const { return m_services; }

private:
    CSystemClock m_clock;
    CQtMessageService m_messages;
    CQtFileDialogService m_fileDialogs;
    CQtProfileStore m_profile;
    CPosixFileSystem m_files;
    CQtAddressOpener m_opener;
    CAppServices m_services;
};
