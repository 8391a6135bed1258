#pragma once

#include "platform/AddressOpener.h"

#include <string>
#include <vector>

// An opener that opens nothing: it remembers every address and answers with a fixed result.
class CRecordingAddressOpener : public CAddressOpener
{
public:
    explicit CRecordingAddressOpener(int result = kOpened) : m_result(result) {}

    int Open(const std::string& address) override
    {
        Opened.push_back(address);
        return m_result;
    }

    std::vector<std::string> Opened;

private:
    int m_result;
};
