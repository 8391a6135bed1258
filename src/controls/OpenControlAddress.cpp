#include "OpenControlAddress.h"

#include "platform/qt/TextConversion.h"

int OpenControlAddress(CAddressOpener& opener, const QString& address)
{
    bool converted = false;
    const std::string text = FromQString(address, &converted);
    return converted ? opener.Open(text) : CAddressOpener::kFileNotFound;
}
