#include "ServiceAddressOpener.h"

#include "platform/qt/TextConversion.h"

int CServiceAddressOpener::Open(const QString& address)
{
    bool converted = false;
    const std::string text = FromQString(address, &converted);
    if (!converted)
        return kFileNotFound;
    return m_open && m_open(text) ? kOpened : kNoAssociation;
}
