#pragma once

#include "controls/AddressOpener.h"

#include <functional>
#include <string>

// Lets the program's hyperlinks open their addresses through the application's browser
// service (CAppServices::OpenUrl), so every address the program opens goes one way.
class CServiceAddressOpener : public CAddressOpener
{
public:
    using OpenFunction = std::function<bool(const std::string&)>;

    explicit CServiceAddressOpener(OpenFunction open) : m_open(std::move(open)) {}

    // kOpened when the service opened the address; kNoAssociation when it could not or there
    // is no service; kFileNotFound for an address that has no Windows-1252 form.
    int Open(const QString& address) override;

private:
    OpenFunction m_open;
};
