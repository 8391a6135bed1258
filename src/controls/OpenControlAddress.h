#pragma once

#include "platform/AddressOpener.h"

#include <QString>

// Opens an address shown in a control. The openers take Windows-1252 text, as the whole
// program does; an address without that form cannot name anything the user typed, so it
// counts as not found.
int OpenControlAddress(CAddressOpener& opener, const QString& address);
